#pragma once
// Exercise 02, kinds of subject (unit Main02): the pupil underlines the subject in red and clicks
// the row's choice image through simple, expanded and multiple until it names the kind of subject.
#include "framework/ChoiceImages.h"
#include "framework/MarkingScreen.h"

#include <string>

namespace ex02 {

class TMainForm02 : public framework::MarkingScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;

    TMainForm02(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    // The correct-answer window's line for a kind of subject, empty for any other remark.
    static std::string kindText(const std::string& remark);

    framework::ChoiceRows& choices() const { return *choices_; }

protected:
    void Inicializace() override;
    std::string answerLine(const framework::Sentence& s) const override { return kindText(s[0].remark); }

private:
    framework::ChoiceRows* choices_ = nullptr;
};

} // namespace ex02

void registerScreen02(shell::ExerciseScreens& screens);
