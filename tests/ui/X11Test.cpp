// The toolkit on a real X11 window (run through tests/xvfb-run.sh).
#include "ui/Application.h"
#include "ui/Automation.h"
#include "ui/Panel.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/sound.h"

#include <SDL.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <thread>

using namespace ui;

TEST(X11, RealWindowTakesPushedClicksAndPresentsTheCanvas) {
    platform::SdlDisplay display;
    platform::RealClock clock;
    platform::FakeSound sound;
    Application app(display, clock, sound);
    app.setTitle("Brevion Lumena");
    app.openWindow(false);
    ASSERT_NE(display.windowId(), 0u);
    Automation bot(app);
    auto& f = app.create<Form>();
    f.setColor(Color::rgb(0, 128, 0));
    auto& button = f.add<Panel>();
    button.setBounds(100, 100, 80, 40);
    int clicks = 0;
    button.OnClick = [&](Control&) { ++clicks; };
    app.setMainForm(f);
    f.show();
    app.processMessages();
    bot.click(button);
    EXPECT_EQ(clicks, 1);
    app.setScreenCursor(CursorHand); // the drawn cursors exist on a real display
    EXPECT_EQ(app.screenCursor(), CursorHand);
    EXPECT_NE(SDL_GetCursor(), SDL_GetDefaultCursor());
    // A real wait sleeps in SDL instead of spinning and still ends on time.
    std::uint32_t start = clock.ticks();
    app.wait(100);
    EXPECT_GE(clock.ticks() - start, 100u);
    EXPECT_LT(clock.ticks() - start, 1000u);
    // Idle, the loop sleeps: a third of a second costs next to no processor time. Then the loop
    // ends when the main form is closed from another thread's posted work.
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        app.post([&] { f.close(); });
    });
    std::clock_t cpuBefore = std::clock();
    app.run();
    closer.join();
    double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_TRUE(app.terminated());
    std::printf("processor time of 300 ms idle: %.1f ms\n", cpuMs);
    EXPECT_LT(cpuMs, 60.0);
}
