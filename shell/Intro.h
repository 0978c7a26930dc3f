#pragma once
// The intro screen shown during start-up until its close time or a click.
#include "ui/Bitmap.h"
#include "ui/Form.h"

#include <cstdint>

namespace shell {

class Pozadi;

class TIntroForm : public ui::Form {
public:
    TIntroForm(ui::Application& app, Pozadi& env);

    // Tick count at which Zaviradlo hides the screen (set by start-up).
    std::uint32_t CasZavreni = 0;
    // Set by a click on the screen, or by the menu when another copy of the program runs.
    bool Kliknuto = false;

    // Waits, keeping the screens alive, until the close time has passed or the screen has been
    // clicked, then hides it.
    void Zaviradlo();

private:
    ui::Bitmap picture_;
};

} // namespace shell
