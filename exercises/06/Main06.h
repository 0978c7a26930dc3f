#pragma once
// Exercise 06, agreeing and non-agreeing attributes (unit Main06): the pupil sorts nine phrases on
// cards into the column of agreeing and the column of non-agreeing attributes, a page of nine at a
// time; runs of 9 to 45 cards.
#include "exercises/06/Cards06.h"
#include "framework/BalancedPages.h"
#include "framework/ExerciseScreen.h"

namespace shell {
class ExerciseScreens;
}

namespace ex06 {

// A page never holds more than seven attributes of one kind.
inline constexpr int kMaxOfOneKind = 7;

class TMainForm06 : public framework::ExerciseScreen {
public:
    TMainForm06(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    CardBoard& board() const { return *board_; }
    const framework::BalancedPages& drawRule() const { return balanced_; }

protected:
    void Inicializace() override;
    framework::EvaluationImage* verdictImage(int r) override;
    ui::Form& correctAnswerFor(const framework::EvaluationImage& image) override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    framework::PrintForm printData() override;
    std::string keyAnswer(const framework::Sentence& s) const override;

private:
    framework::BalancedPages balanced_;
    CardBoard* board_ = nullptr;
};

} // namespace ex06

void registerScreen06(shell::ExerciseScreens& screens);
