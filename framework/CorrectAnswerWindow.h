#pragma once
// The correct-answer window of the exercises that show a sentence word by word: the hint bubble
// under the row, the words fitted to 570 pixels, a line under the words the key marks, and a
// remark under the sentence.
#include "framework/ExerciseContext.h"
#include "framework/MarkedText.h"
#include "framework/RowLayout.h"
#include "framework/SentenceFile.h"

#include <ui/Geometry.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {
class Application;
class Form;
} // namespace ui

namespace framework {

inline constexpr int kAnswerWindowLimit = 570;

// The colour of the line under a word, none for a word without one.
using LineColour = std::function<std::optional<ui::Color>(const PPravidla& slot)>;

// A line in `colour` under the words of `code`, none under the others.
LineColour linesUnderCode(std::int32_t code, ui::Color colour);

// Texts that follow the word before them without a gap.
using Sticks = std::function<bool(std::string_view)>;

// Creates a THintForm at (left, top) on the canvas holding the first `slots` words of `s` with
// their lines, and `remark` (empty: no remark) in the second line; `sticks` says which texts follow
// the word before them without a gap. The window is hidden; it frees itself when closed.
ui::Form& createSentenceAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                               const Sentence& s, int slots, const LineColour& lineColour,
                               const std::string& remark, const Sticks& sticks = sticksToPrevious);

// Creates the low THintForm3 at (left, top) holding the first `slots` words of `s` with their
// lines, without a remark. Hidden; frees itself when closed.
ui::Form& createSentenceLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                                   const Sentence& s, int slots, const LineColour& lineColour,
                                   const Sticks& sticks = sticksToPrevious);

// Creates the one-line THintForm3 at (left, top) with `text` (an AnswerLine) at 10, 13 in `points`.
// Hidden; frees itself when closed.
ui::Form& createLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                           const MarkedText& text, int points = kFormFontSize);

// Creates the two-line THintForm at (left, top) with `first` at 10, 12 and `second` at 10, 33
// (AnswerLines). Hidden; frees itself when closed.
ui::Form& createTwoLineAnswer(ui::Application& app, const ScreenServices& env, int left, int top,
                              const MarkedText& first, const MarkedText& second);

} // namespace framework
