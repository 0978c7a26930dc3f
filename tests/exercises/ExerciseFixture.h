#pragma once
// An exercise opened from the menu of the program started in-process on fake services, with a
// sentence file that the test writes.
#include "../shell/ShellFixture.h"

#include <string>
#include <vector>

namespace framework {
class ExerciseScreen;
class WordMarking;
} // namespace framework

// A sentence file line in the stored form: three filler characters before each text character.
std::string storedLine(const std::string& utf8);

// `count` sentences made of `pattern` with its "N" replaced by 1, 2, ...
std::vector<std::string> numberedSentences(const std::string& pattern, int count);

struct ExerciseTest : ShellTest {
    // Writes `lines` as the exercise's sentence file "<key>.dat", registers its screen, starts the
    // program, opens the setup screen from menu category `category`, slot `slot`, types `name` and
    // chooses the number button `number` ("I10" ... "I30").
    void openExerciseSetup(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                           int category, int slot, const std::vector<std::string>& lines,
                           const std::string& name, const std::string& number);
    // Points the CD root at a copy of the tree that has the real pictures and sounds and `library`
    // (if any) as "\Data\Tisk.dll", a stand-in that logs what it receives (read by printLog()).
    void useCdTree(const char* library);
    std::vector<std::string> printLog() const;

    // Leaves the results table shown at the end of a run and checks that the run wrote exactly one
    // line for the pupil "Ema" to "P<key>.res" and one record to the results log.
    void expectRecorded(const std::string& key, const std::string& title, int right, int wrong);

    // Underlines with `tool` every word of row r that the key marks (`extra`: one more word, slot k).
    void markKey(framework::WordMarking& marking, int r, const char* tool, int extra = 0);
    // The row of the page whose sentence begins with `start`.
    int rowStarting(const framework::ExerciseScreen& screen, const std::string& start);

    void press(ui::Control& c);
    void release(ui::Control& c);
    int countSounds(const std::string& relative) const;
    // Pixels of exactly `colour` in an area of the canvas.
    int countCanvasPixels(const ui::Rect& area, ui::Color colour) const;

    TempDir fakeCd;
};
