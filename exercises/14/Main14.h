#pragma once
// Exercise 14, the comma in a compound sentence (unit Main14): each sentence is shown without its
// commas; the pupil puts a comma after a word by pressing it and takes a row's commas away with
// the eraser beside it.
#include "framework/CommaScreen.h"

#include <memory>
#include <string>

namespace ex14 {

inline constexpr int kPitch = 36;
// The correct answer's words, joined without separators, fit this width.
inline constexpr int kAnswerLimit = 550;

class TMainForm14 : public framework::CommaScreen {
public:
    TMainForm14(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
};

} // namespace ex14

void registerScreen14(shell::ExerciseScreens& screens);
