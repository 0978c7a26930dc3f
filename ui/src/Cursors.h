#pragma once
// The three screen cursors, drawn by the program itself.
#include <array>

struct SDL_Cursor;

namespace ui {

// Arrow, hand and help pointer, in that order. An entry is nullptr where the video driver has no
// cursors (SDL's dummy driver); the cursor table keeps its numbers all the same.
std::array<SDL_Cursor*, 3> createCursors();

} // namespace ui
