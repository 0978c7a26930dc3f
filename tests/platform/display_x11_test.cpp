// The real window on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024).
#include "platform/display.h"

#include <SDL.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

// After gtest: the X11 headers define macros such as None and Bool.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

void pump() {
    for (int i = 0; i < 20; ++i) {
        SDL_PumpEvents();
        SDL_Delay(10);
    }
}

} // namespace

TEST(SdlDisplayOnX11, FullScreenCanvasIsScaledByWholeFactorOnBlackWithoutGl) {
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
        display.present(canvas);
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
    display.present(canvas);
    SDL_FreeSurface(canvas);

    std::ifstream maps("/proc/self/maps");
    std::string text((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    for (const char* gpu : {"libGL", "libEGL", "mesa", "_dri.so", "/dri/", "libvulkan"})
        EXPECT_EQ(text.find(gpu), std::string::npos) << gpu << " is loaded";

    display.close();
    EXPECT_EQ(display.windowId(), 0u);
}
