#pragma once
// Exercise 01, subject and predicate (unit Main01): the pupil underlines the subject in red and
// the predicate in blue with three tools and types an unexpressed subject into the row's field.
#include "framework/AnswerFields.h"
#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"

#include <cstdint>

namespace ex01 {

class TMainForm01 : public framework::ExerciseScreen {
public:
    static constexpr ui::Color kSubjectColour = 255;
    static constexpr ui::Color kPredicateColour = 16711680;
    static constexpr ui::Color kFieldColour = 11988223;
    static constexpr const char* kRemarkLead = "Podmet - nevyjadrený: ";

    TMainForm01(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

private:
    // The marking part, made with the screen so that its tools exist from the start.
    framework::WordMarking& marking_;

public:
    // The tools: 0 subject (IPodmet), 1 predicate (IPrisudek), 2 erase (ISmazat).
    framework::ToolButtons& tools;
    framework::WordRows& rows() const { return marking_.rows(); }
    controls::TGRAlignEdit& answerField(int r) const { return fields_->field(r); }
    // The pupil's mark of word (r, k): 0, 1 subject, 2 predicate.
    std::int32_t mark(int r, int k) const { return marking_.mark(r, k); }

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;

private:
    framework::AnswerFields* fields_ = nullptr;
};

} // namespace ex01

void registerScreen01(shell::ExerciseScreens& screens);
