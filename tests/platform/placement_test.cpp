// Where the canvas lies in the window at every size, which window pixels a canvas change reaches,
// and the window's size at start.
#include "platform/display.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using namespace platform;

namespace {

TEST(Placement, WholeFactorsInFullScreenAndAsLargeAsFitsInAWindow) {
    struct Case {
        int w, h;
        bool fullscreen;
        SDL_Point origin;
        int width, height, factor;
    };
    const Case cases[] = {
        {640, 480, false, {0, 0}, 640, 480, 1},
        {1280, 960, false, {0, 0}, 1280, 960, 2},
        {1280, 1024, true, {0, 32}, 1280, 960, 2},
        {1920, 1080, true, {320, 60}, 1280, 960, 2},
        // A window between whole factors is filled keeping the canvas's shape.
        {1000, 750, false, {0, 0}, 1000, 750, 0},
        {1100, 750, false, {50, 0}, 1000, 750, 0},
        {1000, 900, false, {0, 75}, 1000, 750, 0},
        {1920, 1080, false, {240, 0}, 1440, 1080, 0},
        // Up to 16 pixels above a whole factor: the factor, with narrow bars.
        {1296, 972, false, {8, 6}, 1280, 960, 2},
        {1297, 973, false, {0, 0}, 1297, 972, 0},
        // Smaller than the canvas (a window manager that ignores the minimum): unscaled, cut.
        {600, 400, false, {-20, -40}, 640, 480, 1},
    };
    for (const Case& c : cases) {
        const Placement at = placement(c.w, c.h, c.fullscreen);
        SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h) + (c.fullscreen ? " full" : ""));
        EXPECT_EQ(std::tuple(at.origin.x, at.origin.y, at.width, at.height, at.factor()),
                  std::tuple(c.origin.x, c.origin.y, c.width, c.height, c.factor));
    }
}

TEST(Placement, WindowPointsMapToTheCanvasPixelUnderThemAndBarsLieOutside) {
    struct Case {
        int w, h;
        SDL_Point window, canvas;
    };
    const Case cases[] = {
        {640, 480, {0, 0}, {0, 0}},
        {640, 480, {639, 479}, {639, 479}},
        {1280, 960, {1, 1}, {0, 0}},
        {1280, 960, {2, 3}, {1, 1}},
        {1280, 960, {1279, 959}, {639, 479}},
        // 1.5625: canvas pixel 49 covers window pixels 76.6 to 78.1, pixel 50 78.1 to 79.7.
        {1000, 750, {78, 78}, {49, 49}},
        {1000, 750, {79, 79}, {50, 50}},
        {1000, 750, {999, 749}, {639, 479}},
        {1100, 750, {50, 0}, {0, 0}},
        {1100, 750, {49, 0}, {-1, 0}},
        {1100, 750, {1050, 0}, {640, 0}},
        {600, 400, {0, 0}, {20, 40}},
    };
    for (const Case& c : cases) {
        const SDL_Point got = canvasPoint(placement(c.w, c.h, false), c.window);
        EXPECT_EQ(std::pair(got.x, got.y), std::pair(c.canvas.x, c.canvas.y))
            << c.w << "x" << c.h << " at " << c.window.x << "," << c.window.y;
    }
}

TEST(Placement, AChangedCanvasAreaReachesEveryWindowPixelThatShowsAnyOfIt) {
    const Placement half = placement(1000, 750, false); // 1.5625
    for (SDL_Rect r : {SDL_Rect{0, 0, 640, 480}, SDL_Rect{49, 10, 2, 3}, SDL_Rect{100, 100, 1, 1}}) {
        const SDL_Rect d = windowArea(half, r);
        // Every window pixel of the area maps into the canvas area or touches it; the pixels just
        // outside cover none of it.
        for (int x = d.x - 1; x <= d.x + d.w; ++x) {
            const double from = (x - half.origin.x) * 640.0 / half.width, to = from + 640.0 / half.width;
            const bool covers = from < r.x + r.w && to > r.x;
            EXPECT_EQ(covers, x >= d.x && x < d.x + d.w) << "column " << x << " of area at " << r.x;
        }
    }
    const SDL_Rect doubled = windowArea(placement(1280, 1024, true), {10, 10, 20, 20});
    EXPECT_EQ(std::tuple(doubled.x, doubled.y, doubled.w, doubled.h), std::tuple(20, 52, 40, 40));
}

TEST(StartingWindowSize, RememberedWhenSaneElseTwiceTheCanvasOnALargeScreen) {
    struct Case {
        const char* what;
        std::optional<WindowSize> remembered;
        WindowSize usable, expected;
    };
    const Case cases[] = {
        {"nothing kept, large screen", std::nullopt, {1920, 1050}, {1280, 960}},
        {"nothing kept, 1280x1024: no room for a frame", std::nullopt, {1280, 1024}, {640, 480}},
        {"nothing kept, small screen", std::nullopt, {1024, 740}, {640, 480}},
        {"nothing kept, screen unknown", std::nullopt, {0, 0}, {640, 480}},
        {"kept", WindowSize{1000, 750}, {1920, 1050}, {1000, 750}},
        {"kept, the whole free area", WindowSize{1920, 1050}, {1920, 1050}, {1920, 1050}},
        {"kept, smaller than the canvas", WindowSize{639, 480}, {1920, 1050}, {1280, 960}},
        {"kept, larger than this screen", WindowSize{1920, 1080}, {1280, 1024}, {640, 480}},
        {"kept, negative", WindowSize{-1000, 750}, {1920, 1050}, {1280, 960}},
        {"kept, absurd, screen unknown", WindowSize{100000, 75000}, {0, 0}, {640, 480}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startingWindowSize(c.remembered, c.usable), c.expected) << c.what;
}

} // namespace
