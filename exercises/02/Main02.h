#pragma once
// Exercise 02, kinds of subject (unit Main02): the pupil underlines the subject in red and clicks
// the row's choice image through simple, expanded and multiple until it names the kind of subject.
#include "framework/ChoiceImages.h"
#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"

#include <string>

namespace shell {
class ExerciseScreens;
}

namespace ex02 {

class TMainForm02 : public framework::ExerciseScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;

    TMainForm02(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
    ~TMainForm02() override;

    // The correct-answer window's line for a kind of subject, empty for any other remark.
    static std::string kindText(const std::string& remark);

private:
    framework::WordMarking& marking_;

public:
    // The tools: 0 mark (IPodmet), 1 erase (ISmazat).
    framework::ToolButtons& tools;
    framework::WordMarking& marking() const { return marking_; }
    framework::ChoiceRows& choices() const { return *choices_; }

protected:
    void Inicializace() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;

private:
    framework::ChoiceRows* choices_ = nullptr;
};

} // namespace ex02

void registerScreen02(shell::ExerciseScreens& screens);
