#pragma once
// Exercise 10, main and subordinate clauses (unit Main10): each row shows a sentence clause by
// clause; the pupil underlines main clauses in red and subordinate clauses in blue with three
// tools.
#include "framework/ClauseMarking.h"
#include "framework/ExerciseScreen.h"

#include <memory>

namespace shell {
class ExerciseScreens;
}

namespace ex10 {

class TMainForm10 : public framework::ExerciseScreen {
public:
    TMainForm10(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random = nullptr);
    ~TMainForm10() override;

    // The tools 0 main clause (IHlavni), 1 subordinate clause (IVedlejsi), 2 eraser (ISmazat), and
    // the rows of clauses.
    framework::ClauseMarking& clauses() const { return *clauses_; }

protected:
    void Inicializace() override;
    void loadOwnPictures() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    void Nulovani() override;
    void layoutRow(int r, const framework::Sentence& s) override;
    void clearRow(int r) override;
    void hideRow(int r) override;
    bool judgeRow(int r, const framework::Sentence& s) override;
    void resetTools() override;
    void lockTools() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    int printWith(void* entry) override;

private:
    std::unique_ptr<framework::ClauseMarking> clauses_;
};

} // namespace ex10

void registerScreen10(shell::ExerciseScreens& screens);
