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
#include <string_view>

namespace platform {
class SingleInstance;
}

namespace results {
class TTabulka1Form;
}

namespace shell {

class ExerciseScreens;
class Pozadi;
class SoundSwitch;
class THelpForm;
class TIntroForm;
class TSetupForm;

// What the menu and the setup screens it opens hand over to, given at the menu's creation.
struct MenuLinks {
    TIntroForm& intro;             // ended early when another copy of the program runs
    THelpForm& help;               // the title banners' help
    results::TTabulka1Form& table; // the results of the exercise screens
    ExerciseScreens& screens;      // the exercise screens by code
    SoundSwitch& sound;            // the speaker button's switch
};

class TSelectForm : public ui::Form {
public:
    // `instance` is the single-instance claim that XJustOne1 makes once the menu is built.
    TSelectForm(ui::Application& app, Pozadi& env, const MenuLinks& links,
                std::unique_ptr<platform::SingleInstance> instance);

    // The open category, 1 to 5; 0 before the first choice.
    int AktivniKategorie = 0;
    // The code of the exercise chosen last.
    int KodHry = 0;
    // The run length chosen on the setup screen.
    int PocetPrikladu = 0;
    // Set when the error handler ended the program.
    bool UkoncenoChybou = false;

    // The setup screen open for the exercise chosen last; nullptr when none is open.
    TSetupForm* setup() const { return setup_; }
    // Shows the help window with a picture under the CD root.
    void ukazNapovedu(std::string_view relativePicture) const;

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
    MenuLinks links_;
    TSetupForm* setup_ = nullptr;
    ui::Bitmap background_;
};

} // namespace shell
