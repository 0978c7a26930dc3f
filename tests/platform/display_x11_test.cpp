// The real window on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024).
#include "platform/compose.h"
#include "platform/display.h"
#include "platform/wake.h"

#include <SDL.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
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

// What the X server shows at a point of the screen (the root window with everything on it).
std::uint32_t screenPixel(SDL_Window* window, int x, int y) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_TRUE(SDL_GetWindowWMInfo(window, &info)) << SDL_GetError();
    ::Display* x11 = info.info.x11.display;
    XSync(x11, False);
    XImage* image = XGetImage(x11, DefaultRootWindow(x11), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xDEAD;
    const auto pixel = std::uint32_t(XGetPixel(image, 0, 0) & 0xFFFFFF);
    XDestroyImage(image);
    return pixel;
}

// Every pixel of the window's own area, as the X server shows it.
std::vector<std::uint32_t> windowPixels(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_TRUE(SDL_GetWindowWMInfo(window, &info)) << SDL_GetError();
    ::Display* x11 = info.info.x11.display;
    XSync(x11, False);
    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    std::vector<std::uint32_t> out;
    XImage* image = XGetImage(x11, info.info.x11.window, 0, 0, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (!image) return out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.push_back(std::uint32_t(XGetPixel(image, x, y) & 0xFFFFFF));
    XDestroyImage(image);
    return out;
}

void pump() {
    for (int i = 0; i < 20; ++i) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
}

// Only the areas named are sent to the window, scaled; a change of the window's size draws it whole
// whatever the caller says. The display is full screen on entry and in a window on return.
void expectOnlyChangedAreasReachTheScreen(SdlDisplay& display) {
    SDL_Window* window = SDL_GetWindowFromID(display.windowId());
    SDL_Surface* canvas =
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, SDL_PIXELFORMAT_XRGB8888);
    ASSERT_NE(canvas, nullptr);
    auto paint = [&](SDL_Rect r, Uint32 rgb) {
        SDL_FillRect(canvas, &r, SDL_MapRGB(canvas->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    };
    // Mouse positions in the window map back onto the canvas; the bars lie outside it.
    const std::pair<SDL_Point, SDL_Point> mapped[] = {{{0, 32}, {0, 0}},
                                                      {{1, 33}, {0, 0}},
                                                      {{1279, 991}, {639, 479}},
                                                      {{640, 0}, {320, -16}},
                                                      {{5, 1000}, {2, 484}}};
    for (const auto& [window, expected] : mapped) {
        const SDL_Point got = display.toCanvas(window);
        EXPECT_EQ(got.x, expected.x) << window.x << "," << window.y;
        EXPECT_EQ(got.y, expected.y) << window.x << "," << window.y;
    }
    paint({0, 0, kCanvasWidth, kCanvasHeight}, 0x2080F0);
    pump();
    display.presentWhole(canvas);
    pump();
    // Two areas change on the canvas; only the first is presented. Factor 2, 32 rows down.
    paint({10, 10, 20, 20}, 0xFF0000);
    paint({300, 200, 20, 20}, 0x00FF00);
    display.present(canvas, {SDL_Rect{10, 10, 20, 20}}, false);
    pump();
    EXPECT_EQ(screenPixel(window, 2 * 10, 32 + 2 * 10), 0xFF0000u);
    EXPECT_EQ(screenPixel(window, 2 * 30 - 1, 32 + 2 * 30 - 1), 0xFF0000u);
    EXPECT_EQ(screenPixel(window, 2 * 30, 32 + 2 * 30), 0x2080F0u);
    EXPECT_EQ(screenPixel(window, 2 * 305, 32 + 2 * 205), 0x2080F0u); // not presented yet
    EXPECT_EQ(screenPixel(window, 5, 5), 0x000000u);                  // the bar stays black
    // An area partly outside the canvas is cut at its edge.
    display.present(canvas, {SDL_Rect{300, 200, 20, 20}, SDL_Rect{630, 470, 50, 50}}, false);
    pump();
    EXPECT_EQ(screenPixel(window, 2 * 305, 32 + 2 * 205), 0x00FF00u);

    // Out of full screen: a 640x480 window, drawn whole though only an area was named.
    display.toggleFullscreen();
    pump();
    paint({100, 100, 10, 10}, 0xFFFFFF);
    display.present(canvas, {SDL_Rect{100, 100, 10, 10}}, false);
    pump();
    EXPECT_EQ(screenPixel(window, 320 + 105, 272 + 105), 0xFFFFFFu);
    EXPECT_EQ(screenPixel(window, 320 + 15, 272 + 15), 0xFF0000u);
    EXPECT_EQ(screenPixel(window, 320 + 305, 272 + 205), 0x00FF00u);
    SDL_FreeSurface(canvas);
}

// The pupil drags the window to other sizes: the canvas fills it (whole factors pixel for pixel,
// other sizes mixing only where two canvas pixels meet), the size is the one to remember, mouse
// positions map back, and presenting only the changed areas gives the picture a whole redraw gives.
void expectEverySizeShowsTheCanvasLikeAWholeRedraw(SdlDisplay& display) {
    SDL_Window* window = SDL_GetWindowFromID(display.windowId());
    SDL_Surface* canvas =
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, SDL_PIXELFORMAT_XRGB8888);
    ASSERT_NE(canvas, nullptr);
    auto paint = [&](SDL_Rect r, Uint32 rgb) {
        SDL_FillRect(canvas, &r, SDL_MapRGB(canvas->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
    };
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
        const SDL_Point mapped = display.toCanvas(size.window);
        EXPECT_EQ(mapped.x, size.canvas.x);
        EXPECT_EQ(mapped.y, size.canvas.y);

        paint({0, 0, kCanvasWidth, kCanvasHeight}, 0x2080F0);
        paint({200, 200, 4, 4}, 0xFF0000);
        display.presentWhole(canvas);
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
            runs += p == 0xFF0000u ? 'R' : p == 0x2080F0u ? 'B' : 'm';
        }
        EXPECT_TRUE(std::regex_match(runs, std::regex(at.factor() ? "B+R{8}B+" : "B+mR{5}mB+"))) << runs;
        EXPECT_EQ(pixels[0], at.origin.x > 0 || at.origin.y > 0 ? 0u : 0x2080F0u) << "bar or canvas corner";

        // Changes inside, across the edge and a single pixel: only those areas are presented.
        paint({10, 10, 20, 20}, 0xFF00FF);
        paint({630, 470, 10, 10}, 0x00FF00);
        paint({333, 111, 1, 1}, 0xFFFFFF);
        display.present(
            canvas, {SDL_Rect{10, 10, 20, 20}, SDL_Rect{630, 470, 50, 50}, SDL_Rect{333, 111, 1, 1}}, false);
        pump();
        const auto changed = windowPixels(window);
        display.presentWhole(canvas);
        pump();
        const auto whole = windowPixels(window);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < whole.size() && i < changed.size(); ++i)
            differing += whole[i] != changed[i];
        EXPECT_EQ(differing, 0u);
        EXPECT_NE(whole, pixels);
    }
    SDL_FreeSurface(canvas);
}

// Keys pressed and released through the X server, their keysyms put on spare key codes first.
void typeKeysyms(::Display* x11, const std::vector<KeySym>& keysyms) {
    constexpr int kFirstSpare = 230;
    XChangeKeyboardMapping(x11, kFirstSpare, 1, const_cast<KeySym*>(keysyms.data()), int(keysyms.size()));
    XSync(x11, False);
    pump();
    for (std::size_t i = 0; i < keysyms.size(); ++i) {
        XTestFakeKeyEvent(x11, unsigned(kFirstSpare + int(i)), True, 0);
        XTestFakeKeyEvent(x11, unsigned(kFirstSpare + int(i)), False, 0);
    }
    XSync(x11, False);
}

// The text the window received while `type` ran.
std::string typed(SDL_Window* window, const std::function<void(::Display*)>& type) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_TRUE(SDL_GetWindowWMInfo(window, &info)) << SDL_GetError();
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    XTestFakeMotionEvent(info.info.x11.display, -1, x + 10, y + 10, 0);
    SDL_StartTextInput();
    pump();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    type(info.info.x11.display);
    pump();
    std::string text;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (e.type == SDL_TEXTINPUT) text += e.text.text;
    return text;
}

// The display's own wait on the server connection ends when it times out, when another thread
// wakes it, and when the server sends input (the pointer moves over the window).
void expectWaitsEndOnTimeoutWakeAndInput(SdlDisplay& display) {
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
        SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(canvas, nullptr);
    SDL_FillRect(canvas, nullptr, SDL_MapRGB(canvas->format, 0x20, 0x80, 0xF0));
    SDL_Rect corner{0, 0, 1, 1};
    SDL_FillRect(canvas, &corner, SDL_MapRGB(canvas->format, 0xFF, 0, 0));

    // There is no window manager: the window itself must cover the screen. Factor 2 fits
    // 1280x1024: the canvas covers 1280x960 of the screen, 32 black rows above and below.
    auto expectCanvasAt = [&](int left, int top, int factor) {
        pump();
        display.presentWhole(canvas);
        pump();
        const int right = left + kCanvasWidth * factor, bottom = top + kCanvasHeight * factor;
        EXPECT_EQ(screenPixel(window, left, top), 0xFF0000u);
        EXPECT_EQ(screenPixel(window, left + factor - 1, top + factor - 1), 0xFF0000u);
        EXPECT_EQ(screenPixel(window, left + factor, top + factor), 0x2080F0u);
        EXPECT_EQ(screenPixel(window, right - 1, bottom - 1), 0x2080F0u);
        EXPECT_EQ(screenPixel(window, right - 1, bottom), 0x000000u);
        EXPECT_EQ(screenPixel(window, left, top - 1), 0x000000u);
    };
    expectCanvasAt(0, 32, 2);

    // A 640x480 window in the middle of the screen, and back.
    display.toggleFullscreen();
    EXPECT_FALSE(display.isFullscreen());
    expectCanvasAt(320, 272, 1);
    display.toggleFullscreen();
    EXPECT_TRUE(display.isFullscreen());
    expectCanvasAt(0, 32, 2);
    display.bringForward();
    display.presentWhole(canvas);
    SDL_FreeSurface(canvas);
    expectOnlyChangedAreasReachTheScreen(display);
    expectEverySizeShowsTheCanvasLikeAWholeRedraw(display);
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

    std::ifstream maps("/proc/self/maps");
    std::string text((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    for (const char* gpu : {"libGL", "libEGL", "mesa", "_dri.so", "/dri/", "libvulkan"})
        EXPECT_EQ(text.find(gpu), std::string::npos) << gpu << " is loaded";

    expectWaitsEndOnTimeoutWakeAndInput(display);

    // Dead keys compose the letters of a Slovak name through the compact table.
    const std::string composed = typed(window, [](::Display* x11) {
        typeKeysyms(x11, {XK_dead_acute, XK_o, XK_dead_caron, XK_n, XK_dead_circumflex, XK_a, XK_l});
    });
    EXPECT_EQ(composed, "óňâl");

    display.close();
    EXPECT_EQ(display.windowId(), 0u);
    std::filesystem::remove_all(folder);
}
