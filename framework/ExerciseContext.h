#pragma once
// What an exercise screen needs from the program, as narrow services given at its creation: the
// screen reaches no other screen, so a test builds one with fakes and without the menu or the setup
// screen. The shell gives the real ones (shell/ExerciseContext.h).
#include <string>
#include <string_view>

namespace platform {
class LibraryLoader;
} // namespace platform

namespace ui {
class Application;
} // namespace ui

namespace framework {

// The screen cursor numbers.
enum Cursor : int {
    kPointerCursor = 1, // the normal pointer
    kHandCursor = 2,    // over an active button
    kHelpCursor = 3,    // over a title banner
};

// Pictures, the two button sounds, the cursor and short waits: what every control of an exercise
// screen uses.
class ScreenServices {
public:
    virtual ~ScreenServices() = default;
    // A path under the CD root (pictures, sounds, print libraries); `relative` begins with "\".
    virtual std::string cd(std::string_view relative) const = 0;
    virtual void playEnter() const = 0;
    virtual void playClick() const = 0;
    virtual void setCursor(int number) const = 0;
    // Waits while the screens keep repainting and reacting.
    virtual void wait(int ms) const = 0;
};

// What the pupil chose on the setup screen, read when the screen needs it.
class RunSetup {
public:
    virtual ~RunSetup() = default;
    virtual std::string pupilName() const = 0;
    virtual int runLength() const = 0;
    // The screen prints a worksheet while it is created, instead of opening.
    virtual bool printMode() const = 0;
};

// The results of an exercise: its table screen and the results log.
class ResultsDesk {
public:
    virtual ~ResultsDesk() = default;
    // A path under the HD root (sentence files, results tables); `relative` begins with "\".
    virtual std::string hd(std::string_view relative) const = 0;
    // Loads the results table of exercise `key` ("P<key>.res") into the table screen.
    virtual void openTable(const std::string& key) = 0;
    // A finished run: graded, added to the table and to the results log.
    virtual void record(const std::string& pupilName, const std::string& title, int right, int wrong,
                        int runLength) = 0;
    // Shows the table screen with exercise `key`'s background.
    virtual void showTable(const std::string& key) = 0;
};

// The screens an exercise screen hands over to.
class Navigation {
public:
    virtual ~Navigation() = default;
    // The help window with a picture under the CD root.
    virtual void showHelp(const std::string& relativePicture) = 0;
    // Back to the setup screen (the exercise screen closes itself).
    virtual void showSetup() = 0;
};

struct ExerciseContext {
    ui::Application& app;
    const ScreenServices& screen;
    const RunSetup& setup;
    ResultsDesk& results;
    Navigation& navigation;
    platform::LibraryLoader& libraries;
};

} // namespace framework
