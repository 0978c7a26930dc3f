#pragma once
// The exercise menu, the program's main window: five categories on the left, the exercises of the
// open category as slots on the right, the end button, the title banner and the application's
// error handler.
#include "controls/Obrazek.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"

#include <array>
#include <exception>
#include <memory>
#include <string>

namespace platform {
class SingleInstance;
}

namespace shell {

class Pozadi;

class TSelectForm : public ui::Form {
public:
    // `instance` is the single-instance claim that XJustOne1 makes once the menu is built.
    TSelectForm(ui::Application& app, Pozadi& env, std::unique_ptr<platform::SingleInstance> instance);

    // The open category, 1 to 5; 0 before the first choice.
    int AktivniKategorie = 0;
    // The code of the exercise chosen last.
    int KodHry = 0;
    // The run length chosen on the setup screen.
    int PocetPrikladu = 0;
    // Set when the error handler ended the program.
    bool UkoncenoChybou = false;

    controls::TObrazek* IKonec = nullptr;
    // The speaker in the lower right corner: every sound of the program on or off.
    controls::TObrazek* IZvuk = nullptr;
    controls::TObrazek* IBrevion = nullptr;
    std::array<controls::TObrazek*, 5> ILeft{};
    std::array<controls::TObrazek*, 4> IRight{};

    // Handles an error that reached the message loop (the application's error handler).
    void AppOnException(std::exception_ptr error);
    // Another copy of the program runs: end the intro's wait and this copy.
    void XJustOne1AlreadyExist();

private:
    void ILeftClick(int category);
    void IRightMouseEnter(int slot);
    void RightClick(int kod);
    void ILeftMouseLeave();
    void IKonecClick();
    void IZvukClick();
    // The speaker's picture and tooltip for the switch's state.
    void ukazZvuk(bool lit);
    bool FormCloseQuery();

    Pozadi& env_;
    ui::Bitmap background_;
};

} // namespace shell
