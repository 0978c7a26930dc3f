#pragma once
// Exercise 14, the comma in a compound sentence (unit Main14): each sentence is shown without its
// commas; the pupil puts a comma after a word by pressing it and takes a row's commas away with
// the eraser beside it.
#include "framework/CommaRows.h"
#include "framework/ExerciseScreen.h"

#include <memory>
#include <string>

namespace shell {
class ExerciseScreens;
}

namespace ex14 {

inline constexpr int kPitch = 36;
// The correct answer's words, joined without separators, fit this width.
inline constexpr int kAnswerLimit = 550;

class TMainForm14 : public framework::ExerciseScreen {
public:
    TMainForm14(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
    ~TMainForm14() override;

    framework::CommaRows& rows() const { return *rows_; }

protected:
    void Inicializace() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;

private:
    framework::CommaRows* rows_ = nullptr;
};

} // namespace ex14

void registerScreen14(shell::ExerciseScreens& screens);
