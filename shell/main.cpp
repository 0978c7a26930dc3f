// The program: the real services wired into the shell's start-up.
#include "shell/ExerciseScreens.h"
#include "shell/Startup.h"

#include "brevion_icon.h"

#include "platform/clock.h"
#include "platform/compose.h"
#include "platform/display.h"
#include "platform/dynlib.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/signals.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "ui/MessageBox.h"

#include <cstdlib>
#include <exception>

void registerAllScreens(shell::ExerciseScreens& screens);

int main() {
    // Before anything starts a thread: every thread inherits the blocked termination signals.
    platform::TerminationSignals signals;
    shell::ExerciseScreens screens;
    registerAllScreens(screens);
    // Before the display starts: the X library reads the compose table then. A runtime folder
    // that cannot be had is reported by the single-instance check below; the full table serves.
    try {
        platform::useCompactComposeTable(platform::runtimeDirectory());
    } catch (const platform::FileError&) {
    }

    platform::SdlDisplay display;
    display.setIcon(kBrevionIconPixels, kBrevionIconSize);
    platform::RealClock clock;
    platform::SdlSound sound;
    // The messages before the menu exists (a damaged installation) open the window for themselves.
    ui::StartupMessageBoxes systemBoxes(display, clock, sound, shell::kProgramTitle);
    platform::DlLibraryLoader libraries;

    shell::Sluzby sluzby{display,   clock,
                         sound,     systemBoxes,
                         libraries, platform::makeSingleInstance(),
                         screens,   platform::joinPath(platform::windowsDirectory(), "\\Brevion.ini")};
    sluzby.signals = &signals;
    if (const char* school = std::getenv("BREVION_ZVUK")) sluzby.schoolSound = school;
    try {
        return shell::SpustProgram(sluzby);
    } catch (const std::exception& e) {
        // Nothing to show it in (the window could not be made): say why on standard error.
        platform::logMessage("Chyba", e.what());
        return 1;
    }
}
