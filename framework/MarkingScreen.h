#pragma once
// A screen whose rows are underlined with one tool (and the eraser), with an answer of the
// exercise's own beside each row: the subject or the predicate and its kind. The correct-answer
// window shows the sentence with the member's words underlined and the exercise's line under it;
// the answer key gives the member's words and the same line.
#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"

#include <cstdint>
#include <functional>
#include <string>

namespace framework {

// The member the tool marks.
struct MarkedMember {
    const char* tool;    // the tool button's name ("IPodmet")
    const char* picture; // its pictures, see oneToolMarking ("ctrl_po")
    ui::Color colour;    // of the underline
    int fitLimit;        // the words of a row fit in this width
    std::int32_t code;   // the word code of the member's words
    const char* label;   // the answer key's name of the member ("Podmet")
    int slots;           // the word slots of a row
};

class MarkingScreen : public ExerciseScreen {
public:
    static constexpr int kPitch = 33;

    // `beforeToolClick` runs before a click on a tool or a word (the tool's own work follows).
    MarkingScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                  MarkedMember member, RandomSource* random, std::function<void()> beforeToolClick = {});

    WordMarking& marking() const { return marking_; }

private:
    MarkedMember member_;
    WordMarking& marking_;

public:
    // The tools: 0 mark, 1 erase.
    ToolButtons& tools;

protected:
    // The exercise's line of the correct answer, under the underlined words, and of the answer key.
    virtual std::string answerLine(const Sentence& s) const = 0;
    // Row r's verdict picture at the end of the row, for Inicializace.
    void addEvaluationImages();

    std::string keyAnswer(const Sentence& s) const final;
    ui::Form& createCorrectAnswer(int r, const Sentence& s) final;
};

} // namespace framework
