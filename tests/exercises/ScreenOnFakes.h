#pragma once
// An exercise screen built directly on fakes: an application on fake display, clock and sound, and
// fake services for what the screen needs from the program. No menu, no setup screen, no results
// table screen.
#include "ExerciseFixture.h"

#include "framework/ExerciseContext.h"
#include "framework/Random.h"
#include "platform/paths.h"

#include <optional>
#include <string>
#include <vector>

// Pictures from the CD tree; the two button sounds go to the fake sound, as the program's do.
struct FakeScreenServices final : framework::ScreenServices {
    explicit FakeScreenServices(platform::Sound& s) : sound(s) {}
    platform::Sound& sound;
    std::string root = BREVION_CD_DIR;
    std::string cd(std::string_view relative) const override { return platform::joinPath(root, relative); }
    void playEnter() const override { sound.play(cd("\\Sound\\Enter.wav")); }
    void playClick() const override { sound.play(cd("\\Sound\\Click.wav")); }
    void setCursor(int) const override {}
    void wait(int) const override {}
};

// The run's set-up: a run of ten for "Ema". What the run hands over (the results, help, the setup
// screen) goes nowhere: the runs from the menu check it.
struct FakeRun final : framework::RunSetup, framework::ResultsDesk, framework::Navigation {
    std::string hdRoot;

    std::string pupilName() const override { return "Ema"; }
    int runLength() const override { return 10; }
    bool printMode() const override { return false; }
    std::string hd(std::string_view relative) const override { return platform::joinPath(hdRoot, relative); }
    void openTable(const std::string&) override {}
    void record(const std::string&, const std::string&, int, int, int) override {}
    void showTable(const std::string&) override {}
    void showHelp(const std::string&) override {}
    void showSetup() override {}
};

struct ScreenOnFakes : ::testing::Test, ScreenHelpers {
    TempDir hd;
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    platform::FakeMessageBoxes boxes;
    platform::DlLibraryLoader libraries;
    ui::Application app{display, clock, sound};
    std::optional<ui::Automation> bot{std::in_place, app, &clock, &sound, &boxes};
    FakeScreenServices services{sound};
    FakeRun run;
    framework::SeededRandom random{1};
    framework::ExerciseContext context{app, services, run, run, run, libraries};

    ScreenOnFakes() { run.hdRoot = hd.path.string(); }
    ui::Automation& automation() override { return *bot; }
    std::string cdRoot() const override { return services.root; }
    // Writes `lines` as the sentence file "<key>.dat", then creates and shows the screen.
    template <class Screen> Screen& open(const std::string& key, const std::vector<std::string>& lines) {
        writeSentenceFile(hd.path / (key + ".dat"), lines);
        Screen& s = app.create<Screen>(context, &random);
        s.show();
        app.processMessages();
        return s;
    }
    // The one-line correct answer of the row beginning with `start` while its verdict is held
    // down, in its window 8 pixels from the left edge under the row.
    std::string oneLineAnswer(framework::ExerciseScreen& s, const std::string& start);
};
