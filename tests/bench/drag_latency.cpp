// Times dragging a card on exercise 06's screen: from a mouse-motion event put into the event queue
// to the frame that shows the card at its new place presented in the window. The screen is opened
// on the build's pictures and sentence file in a real SDL window (SDL's software renderer), card 1
// is pressed, and the pointer then moves in small steps over the screen and back, one event and one
// frame at a time. Prints the median, 95th percentile and worst time. Hand-run, not part of the suite:
//
//   tests/xvfb-run.sh build/tests/bench/drag_latency [moves]   (an X window under Xvfb)
//   SDL_VIDEODRIVER=dummy build/tests/bench/drag_latency [moves]                  (no window system)
#include "exercises/06/Main06.h"
#include "framework/ExerciseContext.h"
#include "framework/Random.h"

#include <platform/clock.h>
#include <platform/display.h>
#include <platform/dynlib.h>
#include <platform/paths.h>
#include <platform/sound.h>
#include <ui/Application.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Services final : framework::ScreenServices,
                        framework::RunSetup,
                        framework::ResultsDesk,
                        framework::Navigation {
    ui::Application* app = nullptr;
    std::string cd(std::string_view relative) const override {
        return platform::joinPath(BREVION_CD_DIR, relative);
    }
    void playEnter() const override {}
    void playClick() const override {}
    void setCursor(int) const override {}
    void wait(int ms) const override { app->wait(std::uint32_t(ms)); }
    std::string pupilName() const override { return "Ema"; }
    int runLength() const override { return 45; }
    bool printMode() const override { return false; }
    std::string hd(std::string_view relative) const override {
        return platform::joinPath(BREVION_HD_DIR, relative);
    }
    void openTable(const std::string&) override {}
    void record(const std::string&, const std::string&, int, int, int) override {}
    void showTable(const std::string&) override {}
    void showHelp(const std::string&) override {}
    void showSetup() override {}
};

// Pushes one mouse event in window coordinates (the window is not scaled: 640x480).
void push(Uint32 type, Uint32 window, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.windowID = window;
        e.motion.x = x;
        e.motion.y = y;
        e.motion.state = SDL_BUTTON_LMASK;
    } else {
        e.button.windowID = window;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        e.button.x = x;
        e.button.y = y;
    }
    SDL_PushEvent(&e);
}

} // namespace

int main(int argc, char** argv) {
    const int moves = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    platform::SdlDisplay display;
    platform::RealClock clock;
    platform::FakeSound sound;
    ui::Application app(display, clock, sound);
    if (!app.openWindow(false)) {
        std::fprintf(stderr, "drag_latency: no window\n");
        return 1;
    }
    Services services;
    services.app = &app;
    platform::DlLibraryLoader libraries;
    framework::SeededRandom random(1);
    const framework::ExerciseContext context{app, services, services, services, services, libraries};
    auto& screen = app.create<ex06::TMainForm06>(context, &random);
    screen.show();
    for (int i = 0; i < 20; ++i)
        app.processMessages();

    const Uint32 window = display.windowId();
    ex06::TMujPanel& card = screen.board().card(1);
    const int x0 = card.left() + 75, y0 = card.top() + 10;
    push(SDL_MOUSEMOTION, window, x0, y0);
    push(SDL_MOUSEBUTTONDOWN, window, x0, y0);
    app.processMessages();
    if (!card.dragging()) {
        std::fprintf(stderr, "drag_latency: the card was not picked up\n");
        return 1;
    }

    std::vector<double> ms;
    ms.reserve(std::size_t(moves));
    int x = x0, y = y0;
    for (int i = 1; i <= moves; ++i) {
        // Round and round an ellipse over the columns, 3 to 4 pixels a step.
        const double a = i * 0.02;
        x = 320 + int(std::lround(230 * std::cos(a)));
        y = 240 + int(std::lround(150 * std::sin(a)));
        const auto start = std::chrono::steady_clock::now();
        push(SDL_MOUSEMOTION, window, x, y);
        app.processMessages();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (card.left() != x - 75 || card.top() != y - 10) {
            std::fprintf(stderr, "drag_latency: the card did not follow the pointer at move %d\n", i);
            return 1;
        }
    }
    push(SDL_MOUSEBUTTONUP, window, x, y);
    app.processMessages();

    std::sort(ms.begin(), ms.end());
    std::printf(
        "%d moves of a card: motion event to presented frame: median %.3f ms, 95th percentile %.3f ms, "
        "worst %.3f ms (video driver %s)\n",
        moves, ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), SDL_GetCurrentVideoDriver());
    return 0;
}
