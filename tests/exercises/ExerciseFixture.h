#pragma once
// An exercise opened from the menu of the program started in-process on fake services, with a
// sentence file that the test writes.
#include "../shell/ShellFixture.h"

#include <functional>
#include <string>
#include <vector>

namespace framework {
class ExerciseScreen;
class WordMarking;
} // namespace framework

// A sentence file line in the stored form: three filler characters before each text character.
std::string storedLine(const std::string& utf8);
// Writes `lines` (UTF-8) as a stored sentence file.
void writeSentenceFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// `count` sentences made of `pattern` with its "N" replaced by 1, 2, ...
std::vector<std::string> numberedSentences(const std::string& pattern, int count);
// `count` sentences made by `make` from their number 1, 2, ...
std::vector<std::string> sentenceLines(const std::function<std::string(int)>& make, int count);

// Where exercise `key` sits in the menu.
struct MenuPlace {
    int category, slot;
};
MenuPlace menuPlace(const std::string& key);

// What an exercise test does on a screen, whether the screen was opened from the menu or built on
// fakes.
struct ScreenHelpers {
    virtual ~ScreenHelpers() = default;
    virtual ui::Automation& automation() = 0;
    // The CD root the screen loads its pictures and sounds from.
    virtual std::string cdRoot() const = 0;

    // Underlines with `tool` every word of row r that the key marks (`extra`: one more word, slot k).
    void markKey(framework::WordMarking& marking, int r, const char* tool, int extra = 0);
    // The row of the page whose sentence begins with `start`.
    int rowStarting(const framework::ExerciseScreen& screen, const std::string& start);

    void press(ui::Control& c);
    void release(ui::Control& c);
    int countSounds(const std::string& relative);
};

struct ExerciseTest : ShellTest, ScreenHelpers {
    ui::Automation& automation() override { return *bot; }
    std::string cdRoot() const override { return cd; }

    // Writes `lines` as the exercise's sentence file "<key>.dat", registers its screen, starts the
    // program, opens the exercise's setup screen from the menu, types `name` and chooses the number
    // button `number` ("I10" ... "I30").
    void openExerciseSetup(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                           const std::vector<std::string>& lines, const std::string& name,
                           const std::string& number);
    // ... and continues into the exercise.
    template <class Screen>
    Screen& startExercise(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                          const std::vector<std::string>& lines, const std::string& number = "I10") {
        openExerciseSetup(key, registerScreen, lines, "Ema", number);
        bot->click("IPokracuj");
        return bot->find<Screen>("MainForm" + key);
    }
    // Points the CD root at a copy of the tree that has the real pictures and sounds and an empty
    // "\Data" folder; a stand-in print library put there logs what it receives (read by printLog()).
    void useCdTree();
    std::vector<std::string> printLog() const;

    // Leaves the results table shown at the end of a run and checks that the run wrote exactly one
    // line for the pupil `name` to "P<key>.res" and one record to the results log.
    void expectRecorded(const std::string& key, const std::string& title, int right, int wrong,
                        const std::string& name = "Ema");

    // Pixels of exactly `colour` in an area of the canvas.
    int countCanvasPixels(const ui::Rect& area, ui::Color colour) const;

    TempDir fakeCd;
};
