#pragma once
// Modal message boxes drawn inside the canvas in the screens' colours: caption, text ("\r" breaks
// lines), an icon and the buttons "OK" or "Áno"/"Nie". Enter answers the first button, Escape the
// last. Every message is also written to standard error.
#include "platform/message_box.h"

#include <string>

namespace platform {
class Clock;
class Display;
class Sound;
} // namespace platform

namespace ui {

class Application;

class CanvasMessageBoxes final : public platform::MessageBoxes {
public:
    explicit CanvasMessageBoxes(Application& app) : app_(app) {}
    // Runs a nested message loop until a button is chosen. The buttons are named "OK", "Yes" and
    // "No" and the box "MessageBox", for automation.
    platform::MessageResult show(const std::string& caption, const std::string& text,
                                 platform::MessageIcon icon, platform::MessageButtons buttons) override;

private:
    Application& app_;
};

// The same boxes for messages that come before the program's screens: each message opens the
// window (not full screen) on a plain backdrop, shows the box and closes the window again. Where no
// window can be opened (no display), the message goes to standard error only and a question is
// answered "Nie". The services are borrowed.
class StartupMessageBoxes final : public platform::MessageBoxes {
public:
    StartupMessageBoxes(platform::Display& display, platform::Clock& clock, platform::Sound& sound,
                        std::string title)
        : display_(display), clock_(clock), sound_(sound), title_(std::move(title)) {}
    platform::MessageResult show(const std::string& caption, const std::string& text,
                                 platform::MessageIcon icon, platform::MessageButtons buttons) override;

private:
    platform::Display& display_;
    platform::Clock& clock_;
    platform::Sound& sound_;
    std::string title_;
};

} // namespace ui
