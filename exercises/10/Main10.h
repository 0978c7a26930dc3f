#pragma once
// Exercise 10, main and subordinate clauses (unit Main10): each row shows a sentence clause by
// clause; the pupil underlines main clauses in red and subordinate clauses in blue with three
// tools.
#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"

#include <memory>

namespace ex10 {

class TMainForm10 : public framework::ExerciseScreen {
public:
    TMainForm10(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    // The tools 0 main clause (IHlavni), 1 subordinate clause (IVedlejsi), 2 eraser (ISmazat), and
    // the rows of clauses.
    framework::WordMarking& clauses() const { return *clauses_; }

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    framework::PrintForm printData() override;

private:
    framework::WordMarking* clauses_ = nullptr;
};

} // namespace ex10

void registerScreen10(shell::ExerciseScreens& screens);
