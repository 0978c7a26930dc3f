#pragma once
// A screen whose rows each show one whole sentence and a chooser with a pop-up list: the pupil
// names a property of the sentence (its kind, the relation between its clauses) by choosing one
// item of the list. A row is right when the chosen item's code equals the sentence's remark
// exactly; a wrong row shows the answer text of its remark under the row.
#include "framework/ExerciseContext.h"
#include "framework/ExerciseScreen.h"
#include "framework/PopupChooser.h"
#include "framework/WordRows.h"

#include <memory>
#include <string>
#include <vector>

namespace framework {

// One item of the list with the code it stands for and the correct-answer text of that code.
struct SentenceChoice {
    std::string item;
    std::string code;
    std::string answer;
};

struct SentenceChoiceSetup {
    ExerciseInfo info;
    std::vector<SentenceChoice> choices;
    std::string prompt;      // what an unchosen chooser reads
    std::string facePicture; // the chooser's face, relative to the CD root
    int listWidth = 0;       // the list holds all choices, 16 pixels each
    int fitLimit = 420;      // the sentence at its fitted size is at most this wide
};

class SentenceChoiceScreen : public ExerciseScreen {
public:
    static constexpr int kPitch = 36;

    SentenceChoiceScreen(ui::Application& app, const ExerciseContext& context, SentenceChoiceSetup setup,
                         RandomSource* random);
    ~SentenceChoiceScreen() override;

    WordRows& rows() const { return *rows_; }
    ChooserRows& choosers() const { return *choosers_; }
    // The correct-answer text of a remark (compared exactly); empty for a remark no choice has.
    std::string answerText(const std::string& remark) const;

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const Sentence& s) override;
    std::string keyAnswer(const Sentence& s) const override;
    PrintForm printData() override;

private:
    SentenceChoiceSetup setup_;
    WordRows* rows_ = nullptr;
    ChooserRows* choosers_ = nullptr;
};

} // namespace framework
