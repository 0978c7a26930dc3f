#pragma once
// Exercise 04, kinds of predicate (unit Main04): the pupil underlines the predicate in blue and
// classifies it twice with two choice images: verbal or nominal, and simple, expanded or multiple.
// The second image appears, on simple, with the first click on the first.
#include "framework/ChoiceImages.h"
#include "framework/MarkingScreen.h"

#include <string>

namespace ex04 {

class TMainForm04 : public framework::MarkingScreen {
public:
    static constexpr ui::Color kPredicateColour = 16711680;

    TMainForm04(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    // The correct-answer window's line for a kind and an extent; a part with an unknown code is left
    // out.
    static std::string kindText(const std::string& kind, const std::string& extent);

    // The first choice images (TVolba1Image: verbal, nominal) and the second (TVolba2Image: extent).
    framework::ChoiceRows& kinds() const { return *kinds_; }
    framework::ChoiceRows& extents() const { return *extents_; }

protected:
    void Inicializace() override;
    std::string answerLine(const framework::Sentence& s) const override {
        return kindText(s[0].remark, s[1].remark);
    }

private:
    framework::ChoiceRows* kinds_ = nullptr;
    framework::ChoiceRows* extents_ = nullptr;
};

} // namespace ex04

void registerScreen04(shell::ExerciseScreens& screens);
