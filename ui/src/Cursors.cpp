#include "Cursors.h"

#include <SDL.h>
#include <string_view>

namespace ui {

namespace {

// 'X' black, 'o' white, anything else transparent.
constexpr std::string_view kArrow[] = {
    "X...........", "XX..........", "XoX.........", "XooX........", "XoooX.......",
    "XooooX......", "XoooooX.....", "XooooooX....", "XoooooooX...", "XooooooooX..",
    "XoooooooooX.", "XooooooXXXXX", "XoooXooX....", "XooXXooX....", "XoX..XooX...",
    "XX...XooX...", "X.....XooX..", "......XooX..", ".......XX...",
};

constexpr std::string_view kHand[] = {
    ".....XX..........", "....XooX.........", "....XooX.........", "....XooX.........", "....XooX.........",
    "....XooXXX.......", "....XooXooXXX....", "....XooXooXooXX..", "....XooXooXooXoX.", "XXX.XooooooooXooX",
    "XooXXoooooooooooX", "XoooXoooooooooooX", ".XooXoooooooooooX", "..XoooooooooooooX", "..XooooooooooooX.",
    "...XoooooooooooX.", "...XooooooooooX..", "....XoooooooooX..", "....XoooooooooX..", ".....XXXXXXXXX...",
};

// The arrow with a question mark beside it.
constexpr std::string_view kHelp[] = {
    "X.......................", "XX..............ooooo...", "XoX............oXXXXXo..",
    "XooX..........oXXoooXXo.", "XoooX.........oXXo.oXXo.", "XooooX.........oo.oXXo..",
    "XoooooX..........oXXo...", "XooooooX........oXXo....", "XoooooooX.......oXXo....",
    "XooooooooX.......oo.....", "XoooooooooX.....oXXo....", "XooooooXXXXX....oXXo....",
    "XoooXooX.........oo.....", "XooXXooX................", "XoX..XooX...............",
    "XX...XooX...............", "X.....XooX..............", "......XooX..............",
    ".......XX...............",
};

template <std::size_t N> SDL_Cursor* makeCursor(const std::string_view (&art)[N], int hotX, int hotY) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!s) return nullptr;
    SDL_FillRect(s, nullptr, 0);
    for (std::size_t y = 0; y < N; ++y)
        for (std::size_t x = 0; x < art[y].size(); ++x) {
            Uint32 px = art[y][x] == 'X' ? 0xFF000000u : art[y][x] == 'o' ? 0xFFFFFFFFu : 0u;
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch)[x] = px;
        }
    SDL_Cursor* c = SDL_CreateColorCursor(s, hotX, hotY);
    SDL_FreeSurface(s);
    return c;
}

} // namespace

std::array<SDL_Cursor*, 3> createCursors() {
    return {makeCursor(kArrow, 0, 0), makeCursor(kHand, 5, 0), makeCursor(kHelp, 0, 0)};
}

} // namespace ui
