// The real window on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024).
#include "platform/compose.h"
#include "platform/display.h"
#include "platform/wake.h"

#include "../support/FileBytes.h"

#include <SDL.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

// After gtest: the X11 headers define macros such as None and Bool.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

using namespace platform;

namespace {

constexpr std::uint32_t kBlue = 0x2080F0, kRed = 0xFF0000, kGreen = 0x00FF00, kBlack = 0;

::Display* x11Of(SDL_Window* window, ::Window* own = nullptr) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_TRUE(SDL_GetWindowWMInfo(window, &info)) << SDL_GetError();
    if (own) *own = info.info.x11.window;
    return info.info.x11.display;
}

// The pixels of an area of the window, or of the screen (the root window with everything on it),
// as the X server shows them.
std::vector<std::uint32_t> grab(SDL_Window* window, bool screen, int x, int y, int w, int h) {
    ::Window own = 0;
    ::Display* x11 = x11Of(window, &own);
    XSync(x11, False);
    std::vector<std::uint32_t> out;
    XImage* image = XGetImage(x11, screen ? DefaultRootWindow(x11) : own, x, y, unsigned(w), unsigned(h),
                              AllPlanes, ZPixmap);
    if (!image) return out;
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column)
            out.push_back(std::uint32_t(XGetPixel(image, column, row) & 0xFFFFFF));
    XDestroyImage(image);
    return out;
}
std::uint32_t screenPixel(SDL_Window* window, int x, int y) {
    const auto pixels = grab(window, true, x, y, 1, 1);
    return pixels.empty() ? 0xDEAD : pixels[0];
}
std::vector<std::uint32_t> windowPixels(SDL_Window* window) {
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    return grab(window, false, 0, 0, w, h);
}

// The canvas point under a window point, as the display maps it.
std::pair<int, int> canvasAt(SdlDisplay& display, SDL_Point window) {
    const SDL_Point p = display.toCanvas(window);
    return {p.x, p.y};
}

void fill(SDL_Surface* canvas, SDL_Rect r, std::uint32_t rgb) {
    SDL_FillRect(canvas, &r, SDL_MapRGB(canvas->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
}

void pump() {
    for (int i = 0; i < 20; ++i) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
}

// The text the window receives for keys pressed and released through the X server, their keysyms
// put on spare key codes first.
std::string typed(SDL_Window* window, const std::vector<KeySym>& keysyms) {
    ::Display* x11 = x11Of(window);
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    XTestFakeMotionEvent(x11, -1, x + 10, y + 10, 0);
    SDL_StartTextInput();
    constexpr int kFirstSpare = 230;
    XChangeKeyboardMapping(x11, kFirstSpare, 1, const_cast<KeySym*>(keysyms.data()), int(keysyms.size()));
    XSync(x11, False);
    pump();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (std::size_t i = 0; i < keysyms.size(); ++i) {
        XTestFakeKeyEvent(x11, unsigned(kFirstSpare + int(i)), True, 0);
        XTestFakeKeyEvent(x11, unsigned(kFirstSpare + int(i)), False, 0);
    }
    XSync(x11, False);
    pump();
    std::string text;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (e.type == SDL_TEXTINPUT) text += e.text.text;
    return text;
}

// The display's own wait on the server connection ends when it times out, when another thread
// wakes it, and when the server sends input (the pointer moves over the window).
void expectWaitsEndOnTimeoutWakeAndInput(SdlDisplay& display, SDL_Surface* canvas) {
    SDL_Window* window = SDL_GetWindowFromID(display.windowId());
    WakeSignal wake;
    pump();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    auto waited = [&](int timeoutMs) {
        const Uint32 start = SDL_GetTicks();
        EXPECT_TRUE(display.waitForInput(timeoutMs, wake.fd()));
        return SDL_GetTicks() - start;
    };
    EXPECT_GE(waited(150), 140u);

    std::thread waker([&] {
        SDL_Delay(50);
        wake.notify();
    });
    EXPECT_LT(waited(10000), 5000u);
    waker.join();
    EXPECT_LT(waited(10000), 5000u); // stays readable until cleared
    wake.clear();

    // A second connection moves the pointer, as another client or the pupil's mouse would.
    ::Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    std::thread mover([&] {
        SDL_Delay(50);
        XTestFakeMotionEvent(other, -1, x + 20, y + 20, 0);
        XTestFakeMotionEvent(other, -1, x + 30, y + 30, 0);
        XFlush(other);
    });
    EXPECT_LT(waited(10000), 5000u);
    mover.join();
    pump();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);

    // Input that has reached the connection when a frame is sent: the X library may take it in
    // while it writes the frame, and the next wait must still end at once. The area is larger than
    // the library's request buffer, so that its pixels go out in a write of their own.
    XTestFakeMotionEvent(other, -1, x + 40, y + 40, 0);
    XSync(other, False);
    SDL_Delay(50);
    display.present(canvas, {SDL_Rect{0, 0, 200, 200}}, false);
    EXPECT_LT(waited(3000), 1000u);
    XCloseDisplay(other);
    pump();
}

} // namespace

// One window per process: SDL's X11 driver does not always come back after its video subsystem
// was shut down, so every check runs on the one display.
TEST(SdlDisplayOnX11, FullScreenCanvasIsScaledByWholeFactorOnBlackWithoutGl) {
    // The compact compose table, in a UTF-8 locale with no table of the user's own.
    const std::string folder = ::testing::TempDir() + "compose-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    setenv("LC_ALL", "C.UTF-8", 1);
    setenv("HOME", folder.c_str(), 1);
    unsetenv("XCOMPOSEFILE");
    ASSERT_TRUE(useCompactComposeTable(folder));
    EXPECT_EQ(std::getenv("XCOMPOSEFILE"), folder + "/Compose");

    SdlDisplay display;
    ASSERT_TRUE(display.open("Brevion Lumena", true));
    EXPECT_TRUE(display.isFullscreen());
    SDL_Window* window = SDL_GetWindowFromID(display.windowId());
    ASSERT_NE(window, nullptr);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "Brevion Lumena");

    SDL_Surface* canvas =
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, SDL_PIXELFORMAT_XRGB8888);
    ASSERT_NE(canvas, nullptr);
    fill(canvas, {0, 0, kCanvasWidth, kCanvasHeight}, kBlue);
    fill(canvas, {0, 0, 1, 1}, kRed);

    // There is no window manager: the window itself must cover the screen. Factor 2 fits
    // 1280x1024: the canvas covers 1280x960 of the screen, 32 black rows above and below.
    auto expectCanvasAt = [&](int left, int top, int factor) {
        pump();
        display.presentWhole(canvas);
        pump();
        const int right = left + kCanvasWidth * factor, bottom = top + kCanvasHeight * factor;
        EXPECT_EQ(screenPixel(window, left, top), kRed);
        EXPECT_EQ(screenPixel(window, left + factor - 1, top + factor - 1), kRed);
        EXPECT_EQ(screenPixel(window, left + factor, top + factor), kBlue);
        EXPECT_EQ(screenPixel(window, right - 1, bottom - 1), kBlue);
        EXPECT_EQ(screenPixel(window, right - 1, bottom), kBlack);
        EXPECT_EQ(screenPixel(window, left, top - 1), kBlack);
    };
    expectCanvasAt(0, 32, 2);
    // Mouse positions in the window map back onto the canvas; the bars lie outside it.
    EXPECT_EQ(canvasAt(display, {1, 33}), std::pair(0, 0));
    EXPECT_EQ(canvasAt(display, {640, 0}), std::pair(320, -16));

    // A 640x480 window in the middle of the screen, and back.
    display.toggleFullscreen();
    EXPECT_FALSE(display.isFullscreen());
    expectCanvasAt(320, 272, 1);
    display.toggleFullscreen();
    EXPECT_TRUE(display.isFullscreen());
    expectCanvasAt(0, 32, 2);
    display.bringForward();

    // Two areas change on the canvas; only the one named reaches the screen, together with an area
    // partly outside the canvas, which is cut at its edge.
    fill(canvas, {10, 10, 20, 20}, kRed);
    fill(canvas, {300, 200, 20, 20}, kGreen);
    display.present(canvas, {SDL_Rect{10, 10, 20, 20}, SDL_Rect{630, 470, 50, 50}}, false);
    pump();
    EXPECT_EQ(screenPixel(window, 2 * 10, 32 + 2 * 10), kRed);
    EXPECT_EQ(screenPixel(window, 2 * 30 - 1, 32 + 2 * 30 - 1), kRed);
    EXPECT_EQ(screenPixel(window, 2 * 30, 32 + 2 * 30), kBlue);
    EXPECT_EQ(screenPixel(window, 2 * 305, 32 + 2 * 205), kBlue); // not presented yet
    EXPECT_EQ(screenPixel(window, 5, 5), kBlack);                 // the bar stays black

    // The pupil drags the window to other sizes: the canvas fills it (whole factors pixel for
    // pixel, other sizes mixing only where two canvas pixels meet), the size is the one to
    // remember, mouse positions map back, a window of a new size is drawn whole though only an area
    // was named, and presenting only the changed areas gives the picture a whole redraw gives.
    display.toggleFullscreen();
    struct Size {
        int w, h;
        SDL_Point window, canvas; // a mouse position and the canvas point under it
    };
    for (const Size size : {Size{1280, 960, {201, 201}, {100, 100}}, Size{1000, 750, {79, 79}, {50, 50}},
                            Size{1100, 800, {16, 2}, {-1, 1}}}) {
        SCOPED_TRACE(std::to_string(size.w) + "x" + std::to_string(size.h));
        SDL_SetWindowPosition(window, 0, 0);
        SDL_SetWindowSize(window, size.w, size.h);
        pump();
        EXPECT_EQ(display.windowSize(), (WindowSize{size.w, size.h}));
        EXPECT_EQ(canvasAt(display, size.window), std::pair(size.canvas.x, size.canvas.y));

        fill(canvas, {0, 0, kCanvasWidth, kCanvasHeight}, kBlue);
        fill(canvas, {200, 200, 4, 4}, kRed);
        display.present(canvas, {SDL_Rect{0, 0, 1, 1}}, false);
        pump();
        const Placement at = placement(size.w, size.h, false);
        const auto pixels = windowPixels(window);
        ASSERT_EQ(pixels.size(), std::size_t(size.w) * std::size_t(size.h));
        // Across the red square's row: blue, at most one mixed pixel, red, at most one mixed, blue.
        const int y = at.origin.y + (202 * at.height) / kCanvasHeight;
        std::string runs;
        for (int x = at.origin.x + 198 * at.width / kCanvasWidth;
             x < at.origin.x + 207 * at.width / kCanvasWidth; ++x) {
            const std::uint32_t p = pixels[std::size_t(y) * std::size_t(size.w) + std::size_t(x)];
            runs += p == kRed ? 'R' : p == kBlue ? 'B' : 'm';
        }
        EXPECT_TRUE(std::regex_match(runs, std::regex(at.factor() ? "B+R{8}B+" : "B+mR{5}mB+"))) << runs;
        EXPECT_EQ(pixels[0], at.origin.x > 0 || at.origin.y > 0 ? kBlack : kBlue) << "bar or canvas corner";

        // Changes inside, across the edge and a single pixel: only those areas are presented.
        fill(canvas, {10, 10, 20, 20}, 0xFF00FF);
        fill(canvas, {630, 470, 10, 10}, kGreen);
        fill(canvas, {333, 111, 1, 1}, 0xFFFFFF);
        display.present(
            canvas, {SDL_Rect{10, 10, 20, 20}, SDL_Rect{630, 470, 50, 50}, SDL_Rect{333, 111, 1, 1}}, false);
        pump();
        const auto changed = windowPixels(window);
        display.presentWhole(canvas);
        pump();
        const auto whole = windowPixels(window);
        EXPECT_EQ(changed, whole);
        EXPECT_NE(whole, pixels);
    }

    // Full screen and back: the window takes the size it had.
    display.toggleFullscreen();
    pump();
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_EQ(display.windowSize(), (WindowSize{1100, 800}));
    display.toggleFullscreen();
    pump();
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 1100);
    EXPECT_EQ(h, 800);

    const std::string text = readFile("/proc/self/maps");
    for (const char* gpu : {"libGL", "libEGL", "mesa", "_dri.so", "/dri/", "libvulkan"})
        EXPECT_EQ(text.find(gpu), std::string::npos) << gpu << " is loaded";

    expectWaitsEndOnTimeoutWakeAndInput(display, canvas);
    SDL_FreeSurface(canvas);

    // Dead keys compose the letters of a Slovak name through the compact table.
    EXPECT_EQ(typed(window, {XK_dead_acute, XK_o, XK_dead_caron, XK_n, XK_dead_circumflex, XK_a, XK_l}),
              "óňâl");

    display.close();
    EXPECT_EQ(display.windowId(), 0u);
    std::filesystem::remove_all(folder);
}
