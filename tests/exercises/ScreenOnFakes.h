#pragma once
// An exercise screen built directly on fakes: an application on fake display, clock and sound, and
// fake services for what the screen needs from the program. No menu, no setup screen, no results
// table screen: the test reads what the run handed over.
#include "ExerciseFixture.h"

#include "framework/ExerciseContext.h"
#include "framework/Random.h"

#include <optional>
#include <string>
#include <vector>

// Pictures from the CD tree; the two button sounds go to the fake sound, as the program's do.
struct FakeScreenServices final : framework::ScreenServices {
    explicit FakeScreenServices(platform::Sound& s) : sound(s) {}
    platform::Sound& sound;
    std::string root = BREVION_CD_DIR;
    std::string cd(std::string_view relative) const override;
    void playEnter() const override;
    void playClick() const override;
    void setCursor(int) const override {}
    void wait(int) const override {}
};

// The run's set-up, and a record of the results, help and setup hand-offs.
struct FakeRun final : framework::RunSetup, framework::ResultsDesk, framework::Navigation {
    struct Record {
        std::string name, title;
        int right, wrong, runLength;
    };
    std::string name = "Ema";
    int length = 10;
    bool print = false;
    std::string hdRoot;
    std::vector<std::string> tablesOpened, tablesShown;
    std::vector<Record> records;
    int setupShown = 0;

    std::string pupilName() const override { return name; }
    int runLength() const override { return length; }
    bool printMode() const override { return print; }
    std::string hd(std::string_view relative) const override;
    void openTable(const std::string& key) override { tablesOpened.push_back(key); }
    void record(const std::string& pupil, const std::string& title, int right, int wrong,
                int runLength) override {
        records.push_back({pupil, title, right, wrong, runLength});
    }
    void showTable(const std::string& key) override { tablesShown.push_back(key); }
    void showHelp(const std::string&) override {}
    void showSetup() override { ++setupShown; }
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
    // Writes `lines` (UTF-8) as the stored sentence file "<key>.dat".
    void writeSentences(const std::string& key, const std::vector<std::string>& lines);
    // Creates and shows the screen.
    template <class Screen> Screen& open() {
        Screen& s = app.create<Screen>(context, &random);
        s.show();
        app.processMessages();
        return s;
    }
    // Writes the sentence file of `key`, then creates and shows its screen.
    template <class Screen> Screen& open(const std::string& key, const std::vector<std::string>& lines) {
        writeSentences(key, lines);
        return open<Screen>();
    }
};
