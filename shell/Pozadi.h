#pragma once
// The shared environment of every screen (unit Pozadi).
//
// One `shell::Pozadi` object is built by start-up and handed by reference to every screen; there
// are no hidden globals, so a test builds its own with fake services and a temporary tree.
//
//   Roots       CestaCD (pictures, sounds, print libraries) and CestaHD (sentence files, grades,
//               results), each without a trailing backslash. cd("\\Bitmap\\Games\\hint.bmp") and
//               hd("\\P01.res") join a relative path that begins with a backslash to a root.
//   Services    app() (forms, message loop), clock(), messageBoxes(), libraries() (print
//               libraries), playEnter() / playClick() (the two button sounds), setCursor(n) with
//               crSipka, crRuka, crNapoveda.
//   Waits       Cekej(ms): waits while the screens keep repainting and reacting.
//   Texts       IndexTextu(text, list): index of a text in a list regardless of case, -1 if absent.
//   Grades      Znamky (loaded once at start-up), ZnamkaZa(right, runLength); a finished run is
//               recorded by the results table screen (TTabulka1Form::ZaznamenejVysledek).
//   Forms       the long-lived screens, set by start-up: PozadiForm, IntroForm, SelectForm,
//               Tabulka1Form, HelpForm; SetupForm is the open setup screen (nullptr when none).
//               The shortcuts below give exercise screens what they read from them:
//                 KodHry(), PocetPrikladu()  the menu's exercise code and the chosen run length
//                 Jmeno(), RezimTisku()      the setup screen's EJmeno text and print-mode flag
//                 ukazSetup()                shows the setup screen again (an exercise's back)
//                 ukazNapovedu(relative)     shows the help window with CestaCD + relative
//                 Tabulka()                  the results table screen (results/Table1.h):
//                   Tabulka().Cesta = hd("\\P01.res"); Tabulka().NactiSoubor();
//                   Tabulka().VlozNovyZaznam(name, right, wrong, grade);
//                   Tabulka().NactiPozadi(cd("\\Bitmap\\Tab\\01.bmp")); Tabulka().Ukaz();
#include "framework/ExerciseContext.h"
#include "results/Grades.h"
#include "ui/Form.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Clock;
class LibraryLoader;
class MessageBoxes;
} // namespace platform

namespace results {
class TTabulka1Form;
} // namespace results

namespace shell {

class TIntroForm;
class TSelectForm;
class TSetupForm;
class THelpForm;
class ExerciseScreens;
class SoundSwitch;

// The screen cursor numbers.
constexpr int crSipka = 1;    // the normal pointer
constexpr int crRuka = 2;     // the hand over an active button
constexpr int crNapoveda = 3; // the help pointer over a title banner

// The exercise key ("01" ... "14", "06b", "08b", "11b") of an exercise code (1 ... 14, 62, 82, 112);
// "" for any other code.
std::string KlicHry(int kod);
// The exercise code of a key, 0 for an unknown key.
int KodHryKlice(std::string_view klic);

// Index (from 0) of the first element equal to `text` regardless of letter case, -1 when none.
int IndexTextu(std::string_view text, const std::vector<std::string>& list);

class TPozadiForm;

// The screen services of the exercise screens (framework/ExerciseContext.h) come from here too.
class Pozadi : public framework::ScreenServices {
public:
    // The services are borrowed and must outlive the environment.
    Pozadi(ui::Application& app, platform::LibraryLoader& libraries, std::string cestaCD,
           std::string cestaHD);
    Pozadi(const Pozadi&) = delete;
    Pozadi& operator=(const Pozadi&) = delete;

    const std::string CestaCD;
    const std::string CestaHD;
    std::string cd(std::string_view relative) const override;
    std::string hd(std::string_view relative) const;

    ui::Application& app() const { return app_; }
    platform::Clock& clock() const;
    platform::MessageBoxes& messageBoxes() const;
    platform::LibraryLoader& libraries() const { return libraries_; }

    void playEnter() const override;
    void playClick() const override;
    void setCursor(int number) const override;
    void Cekej(int ms) const;
    void wait(int ms) const override { Cekej(ms); }

    // The grade bands; ZnamkaZa returns "" when no band holds the percentage (or runLength is 0).
    std::vector<results::GradeBand> Znamky;
    std::string ZnamkaZa(double right, double runLength) const;

    // The screens, owned by the application; set by start-up.
    TPozadiForm* PozadiForm = nullptr;
    TIntroForm* IntroForm = nullptr;
    TSelectForm* SelectForm = nullptr;
    results::TTabulka1Form* Tabulka1Form = nullptr;
    THelpForm* HelpForm = nullptr;
    TSetupForm* SetupForm = nullptr;
    // The exercise screens by code (the setup screen opens them).
    ExerciseScreens* Screens = nullptr;
    // The switch every sound goes through (the menu's speaker button); set by start-up.
    SoundSwitch* Zvuk = nullptr;

    int KodHry() const;
    int PocetPrikladu() const;
    std::string Jmeno() const;
    bool RezimTisku() const;
    void ukazSetup() const;
    void ukazNapovedu(std::string_view relativePicture) const;
    results::TTabulka1Form& Tabulka() const;

private:
    ui::Application& app_;
    platform::LibraryLoader& libraries_;
};

// The black backdrop behind the 640x480 screens: it covers the canvas and never takes input.
class TPozadiForm : public ui::Form {
public:
    explicit TPozadiForm(ui::Application& app);
};

} // namespace shell
