#pragma once
// Start-up and the end of the program: the INI roots, the installation checks, the display, the
// intro, the long-lived screens, the message loop. main() wires the real services; tests run the
// same sequence with fakes against a temporary tree, driving it between start() and finish().
#include "platform/display.h"
#include "platform/single_instance.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {
class Clock;
class LibraryLoader;
class MessageBoxes;
class Sound;
class TerminationSignals;
} // namespace platform

namespace ui {
class Application;
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
class TPozadiForm;
class TSelectForm;

// The long-lived screens of the shell, made by start-up and owned by the application.
struct ShellForms {
    TIntroForm& intro;
    TSelectForm& menu;
    results::TTabulka1Form& table;
    THelpForm& help;
};

// The window's title.
inline constexpr const char* kProgramTitle = "Brevion Lumena";

struct Sluzby {
    platform::Display& display;
    platform::Clock& clock;
    platform::Sound& sound;
    // The message boxes of the messages that come before the program's screens exist.
    platform::MessageBoxes& systemBoxes;
    platform::LibraryLoader& libraries;
    // The single-instance claim, handed to the menu.
    std::unique_ptr<platform::SingleInstance> instance;
    ExerciseScreens& screens;
    // Full path of Brevion.ini.
    std::string iniPath;
    // Replaces the message boxes drawn in the window (tests); nullptr keeps them.
    platform::MessageBoxes* windowBoxes = nullptr;
    // The system's termination requests: once the application exists they end the message loop
    // without the end question, so finish() saves and restores as at a normal end.
    platform::TerminationSignals* signals = nullptr;
    // The school's default of the sound switch ("0" off), for a pupil who has not chosen.
    std::string schoolSound{};
};

struct Koreny {
    std::string cd, hd; // "Chyba" when the INI file or the key is missing
};

// Reads the two roots from section "CES1", keys "CD" and "HD", each less one trailing backslash.
Koreny NactiKoreny(const std::string& iniPath);

// The installation problem that stops start-up, checked in order: the INI roots, the pictures under
// the CD root, the grades and sentence files under the HD root.
enum class Instalace { V_poradku, ChybiIni, ChybiCD, ChybiHD };
Instalace ZkontrolujInstalaci(const Koreny& koreny);

class Program {
public:
    explicit Program(Sluzby& sluzby);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Everything up to the message loop. False when the program must end: an installation check
    // failed (its message shown, nothing else touched) or a failure while starting.
    bool start();
    // The message loop with the menu as the main window, until the menu closes or the end is
    // requested.
    void run();
    // Saves a results table still on screen, frees the backdrop and restores the display.
    // Returns the exit status: 0 for a normal end, 1 when an error ended the program.
    int finish();

    // Available after start() got past the installation checks.
    ui::Application* app() const { return app_.get(); }
    Pozadi* env() const { return env_.get(); }
    SoundSwitch* soundSwitch() const { return sound_.get(); }
    // Available once start() has made the menu.
    const ShellForms* forms() const { return forms_ ? &*forms_ : nullptr; }

private:
    // Writes the window's size for the next start when the pupil changed it.
    void keepWindowSize();

    Sluzby& sluzby_;
    std::optional<platform::WindowSize> startWindowSize_; // once the window is open
    std::unique_ptr<SoundSwitch> sound_;
    std::unique_ptr<ui::Application> app_;
    std::unique_ptr<Pozadi> env_;
    TPozadiForm* backdrop_ = nullptr;
    std::optional<ShellForms> forms_;
    bool failed_ = false;
};

// start(), run() when started, finish().
int SpustProgram(Sluzby& sluzby);

} // namespace shell
