#pragma once
// Exercise 03, part of speech of the subject (unit Main03): the pupil underlines the subject in
// red, types an unexpressed subject into the row's field and chooses from a small pop-up list the
// part of speech that expresses the subject; the row's choice image then shows it.
#include "framework/AnswerFields.h"
#include "framework/ChoiceList.h"
#include "framework/MarkingScreen.h"

#include <string>

namespace ex03 {

class TMainForm03 : public framework::MarkingScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;
    static constexpr ui::Color kFieldColour = 11988223;

    TMainForm03(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    // The correct-answer window's line: the unexpressed subject (if any) and the part of speech of
    // the code (left out for an unknown code).
    static std::string answerText(const std::string& subject, const std::string& code);

    controls::TGRAlignEdit& answerField(int r) const { return fields_->field(r); }
    framework::ChoiceListRows& choices() const { return *choices_; }

protected:
    void Inicializace() override;
    std::string answerLine(const framework::Sentence& s) const override {
        return answerText(s[0].subject, s[0].remark);
    }

private:
    framework::AnswerFields* fields_ = nullptr;
    framework::ChoiceListRows* choices_ = nullptr;
};

} // namespace ex03

void registerScreen03(shell::ExerciseScreens& screens);
