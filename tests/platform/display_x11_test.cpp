// The real window on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024).
#include "platform/display.h"

#include <SDL.h>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace platform;

namespace {

std::uint32_t pixelAt(SDL_Renderer* renderer, int x, int y) {
    // Reading back must ignore the logical size: switch it off for the moment.
    int w = 0, h = 0;
    SDL_RenderGetLogicalSize(renderer, &w, &h);
    SDL_RenderSetLogicalSize(renderer, 0, 0);
    SDL_Rect one{x, y, 1, 1};
    std::uint32_t pixel = 0;
    EXPECT_EQ(SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_RGB888, &pixel, 4), 0) << SDL_GetError();
    SDL_RenderSetLogicalSize(renderer, w, h);
    return pixel & 0xFFFFFF;
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
    pump();
    display.present(canvas);

    int w = 0, h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 1024);
    // Factor 2 fits 1280x1024: the canvas covers 1280x960, 32 black rows above and below.
    SDL_Renderer* renderer = SDL_GetRenderer(window);
    EXPECT_EQ(pixelAt(renderer, 0, 0), 0x000000u);
    EXPECT_EQ(pixelAt(renderer, 0, 32), 0xFF0000u);
    EXPECT_EQ(pixelAt(renderer, 1, 33), 0xFF0000u);
    EXPECT_EQ(pixelAt(renderer, 2, 34), 0x2080F0u);
    EXPECT_EQ(pixelAt(renderer, 1279, 991), 0x2080F0u);
    EXPECT_EQ(pixelAt(renderer, 1279, 992), 0x000000u);

    display.toggleFullscreen();
    pump();
    EXPECT_FALSE(display.isFullscreen());
    display.present(canvas);
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, kCanvasWidth);
    EXPECT_EQ(h, kCanvasHeight);
    display.toggleFullscreen();
    EXPECT_TRUE(display.isFullscreen());
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
