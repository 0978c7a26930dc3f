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
//   Screens     none: each screen is given the screens it hands over to when it is created (the
//               menu the help window, the intro and the results table; the setup screen the menu,
//               the help window, the results table and the exercise screens), so that a screen
//               cannot be missing at run time. Start-up owns them (shell/ShellForms.h).
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

namespace shell {

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
