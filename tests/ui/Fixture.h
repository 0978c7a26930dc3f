#pragma once
// An application on fake services, driven through the automation interface.
#include "ui/Application.h"
#include "ui/Automation.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/message_box.h"
#include "platform/sound.h"

#include <SDL.h>
#include <gtest/gtest.h>

struct UiTest : ::testing::Test {
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    platform::FakeMessageBoxes boxes;
    ui::Application app{display, clock, sound};
    ui::Automation bot{app, &clock, &sound, &boxes};

    // A visible form at the canvas's top-left corner.
    ui::Form& screen() {
        auto& f = app.create<ui::Form>();
        f.setBounds(0, 0, 640, 480);
        f.show();
        app.processMessages();
        return f;
    }
};

// A control of kind T added to `parent` with the given bounds.
template <class T> T& placed(ui::Control& parent, int left, int top, int width, int height) {
    T& control = parent.add<T>();
    control.setBounds(left, top, width, height);
    return control;
}

// The colour of a pixel of a 32-bit surface, and of the canvas.
inline ui::Color pixelOf(SDL_Surface* s, int x, int y) {
    Uint32 v = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(s->pixels) + y * s->pitch)[x];
    Uint8 r, g, b;
    SDL_GetRGB(v, s->format, &r, &g, &b);
    return ui::Color::rgb(r, g, b);
}
inline ui::Color canvasPixel(const ui::Application& app, int x, int y) {
    return pixelOf(app.canvas(), x, y);
}
