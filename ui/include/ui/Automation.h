#pragma once
// Drives an application the way a user would, for tests and scripted runs: finds controls by
// name, pushes real SDL mouse, key and text events at canvas coordinates and processes them (so the
// whole dispatch path runs), advances a fake clock and reads what the fake services received.
#include "ui/Application.h"

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/sound.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

class Automation {
public:
    // The fakes are optional; functions that need a missing one throw std::logic_error.
    explicit Automation(Application& app, platform::FakeClock* clock = nullptr,
                        platform::FakeSound* sound = nullptr, platform::FakeMessageBoxes* boxes = nullptr)
        : app_(app), clock_(clock), sound_(sound), boxes_(boxes) {}

    // The first control of that name, searching the visible forms from the top, then the hidden
    // ones. Throws std::out_of_range when there is none.
    Control& find(std::string_view name) const;
    template <class T> T& find(std::string_view name) const {
        auto* c = dynamic_cast<T*>(&find(name));
        if (!c) throw std::out_of_range("Control \"" + std::string(name) + "\" is of another kind");
        return *c;
    }
    bool exists(std::string_view name) const;
    // The centre of a control on the canvas.
    static Point center(const Control& c);

    void moveTo(Point p);
    void press(Point p, MouseButton b = MouseButton::Left, int clicks = 1);
    void release(Point p, MouseButton b = MouseButton::Left, int clicks = 1);
    // Move there, press and release.
    void click(Point p, MouseButton b = MouseButton::Left);
    void click(const Control& c) { click(center(c)); }
    void click(std::string_view name) { click(find(name)); }
    // Two clicks, the second reported by SDL as a double click.
    void doubleClick(Point p);
    void hover(const Control& c) { moveTo(center(c)); }
    // Press at `from`, move in `steps` steps to `to`, release there.
    void drag(Point from, Point to, int steps = 4);
    // A key press and release (SDLK_... and KMOD_...).
    void key(std::int32_t sdlKey, unsigned sdlMods = 0);
    // UTF-8 text as the text-input events of typing it.
    void type(std::string_view text);

    // Advances the fake clock and processes what became due.
    void advance(std::uint32_t ms);
    // Everything the fake sound was asked to play ("<beep>" for the beep).
    const std::vector<std::string>& sounds() const;
    // Every message box the fake message boxes were asked to show.
    const std::vector<platform::FakeMessageBoxes::Shown>& messages() const;
    void screenshot(const std::string& path) { app_.screenshot(path); }

private:
    void mouseButton(bool down, Point p, MouseButton b, int clicks);

    Application& app_;
    platform::FakeClock* clock_;
    platform::FakeSound* sound_;
    platform::FakeMessageBoxes* boxes_;
};

} // namespace ui
