#pragma once
// The program started in-process on fake services, against the build's CD tree and a temporary HD
// root and configuration directory.
#include "../support/FileBytes.h"
#include "results/Table1.h"
#include "shell/ExerciseScreens.h"
#include "shell/Help.h"
#include "shell/Intro.h"
#include "shell/Pozadi.h"
#include "shell/Select.h"
#include "shell/Setup.h"
#include "shell/Startup.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/dynlib.h"
#include "platform/message_box.h"
#include "platform/single_instance.h"
#include "platform/sound.h"
#include "ui/Application.h"
#include "ui/Automation.h"
#include "ui/Bitmap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// A temporary folder removed with the object.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path path;
};

void writeFile(const std::filesystem::path& path, const std::string& bytes);

// The HD root every start-up check wants: grades, the 17 sentence files, empty results tables.
void seedHdRoot(const std::filesystem::path& hd);

// Whether two pictures have the same size and pixels.
bool samePicture(const ui::Bitmap& a, const ui::Bitmap& b);

struct ShellTest : ::testing::Test {
    TempDir config, hd;
    std::string cd = BREVION_CD_DIR;
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    platform::FakeMessageBoxes systemBoxes, windowBoxes;
    platform::DlLibraryLoader libraries;
    shell::ExerciseScreens screens;
    std::optional<shell::Sluzby> sluzby;
    std::optional<shell::Program> program;
    std::optional<ui::Automation> bot;

    ShellTest();
    // Writes an INI naming the CD tree and the temporary HD root.
    void writeGoodIni();
    // Runs start-up; true when it reached the message loop's door.
    bool start();
    // Ends the program and starts it again on the same folders and display.
    void restart();
    shell::Pozadi& env() { return *program->env(); }
    // The shell's long-lived screens, and the setup screen open now (nullptr when none).
    const shell::ShellForms& forms() { return *program->forms(); }
    shell::TSelectForm* menuForm() { return &forms().menu; }
    shell::TIntroForm* introForm() { return &forms().intro; }
    shell::THelpForm* helpForm() { return &forms().help; }
    shell::TSetupForm* setupForm() { return menuForm()->setup(); }
    ui::Application& app() { return *program->app(); }
    // A CD picture as the program would load it.
    ui::Bitmap cdPicture(const std::string& relative) const;
    // The menu with a category open, then the setup screen of the exercise in `slot`.
    void openSetup(int category, int slot);

private:
    void makeProgram();
};
