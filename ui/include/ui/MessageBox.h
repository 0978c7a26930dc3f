#pragma once
// Modal message boxes drawn inside the canvas: caption, text ("\r" breaks lines), an icon and the
// buttons "OK" or "Áno"/"Nie". Enter answers the first button, Escape the last. Every message is
// also written to standard error.
#include "platform/message_box.h"

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

} // namespace ui
