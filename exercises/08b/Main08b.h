#pragma once
// Exercise 08b, comma in a simple sentence (unit Main08b): each sentence is shown without its
// commas; the pupil puts a comma after a word by pressing it (the eraser beside the row takes the
// row's commas away) and chooses from the row's pop-up list what the commas set apart. A row is
// right only when both are.
#include "framework/CommaRows.h"
#include "framework/ExerciseScreen.h"
#include "framework/PopupChooser.h"

#include <memory>
#include <string>
#include <vector>

namespace ex08b {

inline constexpr int kPitch = 36;
inline constexpr const char* kPrompt = "Čo je oddelené?";

// The kinds the list offers, in list order, with the chooser's short name and the kind code.
const std::vector<framework::ChoiceItem>& kindTable();

// The second line of the correct-answer window for a sentence's kind code (compared exactly);
// empty for a code it does not know.
std::string answerText(const std::string& kindCode);

class TMainForm08b : public framework::ExerciseScreen {
public:
    TMainForm08b(ui::Application& app, const framework::ExerciseContext& context,
                 framework::RandomSource* random = nullptr);

    framework::CommaRows& rows() const { return *rows_; }
    framework::ChooserRows& choosers() const { return *choosers_; }

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;

private:
    framework::CommaRows* rows_ = nullptr;
    framework::ChooserRows* choosers_ = nullptr;
};

} // namespace ex08b

void registerScreen08b(shell::ExerciseScreens& screens);
