#include "ui/Automation.h"

#include "platform/display.h"

#include <SDL.h>
#include <cstring>

namespace ui {

namespace {

void push(SDL_Event& e) {
    if (SDL_PushEvent(&e) < 0)
        throw std::runtime_error(std::string("Cannot push an event: ") + SDL_GetError());
}

} // namespace

Control& Automation::find(std::string_view name) const {
    auto stack = app_.stack();
    for (int pass = 0; pass < 2; ++pass)
        for (auto it = stack.rbegin(); it != stack.rend(); ++it)
            if ((*it)->visible() == (pass == 0))
                if (Control* c = (*it)->findByName(name)) return *c;
    throw std::out_of_range("No control named \"" + std::string(name) + "\"");
}

bool Automation::exists(std::string_view name) const {
    for (Form* f : app_.stack())
        if (f->findByName(name)) return true;
    return false;
}

Point Automation::center(const Control& c) {
    Rect r = c.canvasRect();
    return {r.left + r.width / 2, r.top + r.height / 2};
}

void Automation::moveTo(Point p) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = app_.display().windowId();
    e.motion.x = p.x;
    e.motion.y = p.y;
    push(e);
    app_.processMessages();
}

void Automation::mouseButton(bool down, Point p, MouseButton b, int clicks) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = app_.display().windowId();
    e.button.button = b == MouseButton::Left    ? SDL_BUTTON_LEFT
                      : b == MouseButton::Right ? SDL_BUTTON_RIGHT
                                                : SDL_BUTTON_MIDDLE;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = Uint8(clicks);
    e.button.x = p.x;
    e.button.y = p.y;
    push(e);
    app_.processMessages();
}

void Automation::press(Point p, MouseButton b, int clicks) {
    mouseButton(true, p, b, clicks);
}

void Automation::release(Point p, MouseButton b, int clicks) {
    mouseButton(false, p, b, clicks);
}

void Automation::click(Point p, MouseButton b) {
    moveTo(p);
    press(p, b);
    release(p, b);
}

void Automation::doubleClick(Point p) {
    moveTo(p);
    press(p, MouseButton::Left, 1);
    release(p, MouseButton::Left, 1);
    press(p, MouseButton::Left, 2);
    release(p, MouseButton::Left, 2);
}

void Automation::drag(Point from, Point to, int steps) {
    moveTo(from);
    press(from);
    for (int i = 1; i <= steps; ++i)
        moveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    release(to);
}

void Automation::key(std::int32_t sdlKey, unsigned sdlMods) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = app_.display().windowId();
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = sdlKey;
    e.key.keysym.mod = Uint16(sdlMods);
    push(e);
    e.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    e.key.keysym.mod = 0;
    push(e);
    app_.processMessages();
}

void Automation::type(std::string_view text) {
    // One event per character, as a keyboard delivers them.
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = app_.display().windowId();
        std::memcpy(e.text.text, text.data() + i, n);
        push(e);
        i += n;
    }
    app_.processMessages();
}

void Automation::advance(std::uint32_t ms) {
    if (!clock_) throw std::logic_error("Automation::advance needs a fake clock");
    clock_->advance(ms);
    app_.processMessages();
}

const std::vector<std::string>& Automation::sounds() const {
    if (!sound_) throw std::logic_error("Automation::sounds needs a fake sound");
    return sound_->played;
}

const std::vector<platform::FakeMessageBoxes::Shown>& Automation::messages() const {
    if (!boxes_) throw std::logic_error("Automation::messages needs fake message boxes");
    return boxes_->shown;
}

} // namespace ui
