#pragma once
// Exercise 03, part of speech of the subject (unit Main03): the pupil underlines the subject in
// red, types an unexpressed subject into the row's field and chooses from a small pop-up list the
// part of speech that expresses the subject; the row's choice image then shows it.
#include "framework/AnswerFields.h"
#include "framework/ChoiceList.h"
#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"
#include "shell/ExerciseScreens.h"

#include <string>

namespace ex03 {

class TMainForm03 : public framework::ExerciseScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;
    static constexpr ui::Color kFieldColour = 11988223;

    TMainForm03(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
    ~TMainForm03() override;

    // The correct-answer window's line: the unexpressed subject (if any) and the part of speech of
    // the code (left out for an unknown code).
    static std::string answerText(const std::string& subject, const std::string& code);

private:
    framework::WordMarking& marking_;

public:
    // The tools: 0 mark (IPodmet), 1 erase (ISmazat).
    framework::ToolButtons& tools;
    framework::WordMarking& marking() const { return marking_; }
    controls::TGRAlignEdit& answerField(int r) const { return fields_->field(r); }
    framework::ChoiceListRows& choices() const { return *choices_; }

protected:
    void Inicializace() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;

private:
    framework::AnswerFields* fields_ = nullptr;
    framework::ChoiceListRows* choices_ = nullptr;
};

} // namespace ex03

void registerScreen03(shell::ExerciseScreens& screens);
