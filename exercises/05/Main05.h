#pragma once
// Exercise 05, sentence members (unit Main05): one word of each sentence is bold, and the pupil
// names the sentence member it is by choosing it from the row's pop-up list.
#include "framework/ExerciseScreen.h"
#include "framework/PopupChooser.h"
#include "framework/WordRows.h"

#include <memory>
#include <string>
#include <vector>

namespace ex05 {

inline constexpr const char* kPrompt = "Vetný člen?";
inline constexpr const char* kAnswerLead = "Vetný člen: ";

// The members the list offers, in list order, with the chooser's short name and the answer code.
const std::vector<framework::ChoiceItem>& memberTable();

// The correct-answer window's text for a sentence's answer code (compared exactly); empty for a
// code no item gives.
std::string answerText(const std::string& answerCode);

class TMainForm05 : public framework::ExerciseScreen {
public:
    TMainForm05(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    framework::WordRows& rows() const { return *rows_; }
    framework::ChooserRows& choosers() const { return *choosers_; }

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    framework::PrintForm printData() override;

private:
    framework::WordRows* rows_ = nullptr;
    framework::ChooserRows* choosers_ = nullptr;
};

} // namespace ex05

void registerScreen05(shell::ExerciseScreens& screens);
