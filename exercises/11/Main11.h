#pragma once
// Exercise 11, kinds of subordinate clause (unit Main11): the pupil underlines the subordinate
// clause in blue with a tool (or erases underlines) and names its kind with the row's chooser.
#include "framework/ExerciseScreen.h"
#include "framework/PopupChooser.h"
#include "framework/WordMarking.h"

#include <memory>
#include <string>
#include <vector>

namespace ex11 {

inline constexpr const char* kPrompt = "Druh vety?";

// The kinds the list offers, in list order, with the chooser's short name and the kind key.
const std::vector<framework::ChoiceItem>& kindTable();

// The correct-answer window's text for a sentence's kind key (compared exactly); empty for a key
// of no kind.
std::string answerText(const std::string& kindKey);

class TMainForm11 : public framework::ExerciseScreen {
public:
    TMainForm11(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    // The tools 0 subordinate clause (IVedlejsi), 1 eraser (ISmazat), and the rows of clauses.
    framework::WordMarking& clauses() const { return *clauses_; }
    framework::ChooserRows& choosers() const { return *choosers_; }

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    framework::PrintForm printData() override;

private:
    framework::WordMarking* clauses_ = nullptr;
    framework::ChooserRows* choosers_ = nullptr;
};

} // namespace ex11

void registerScreen11(shell::ExerciseScreens& screens);
