#pragma once
// Exercise 07, kinds of sentence by the speaker's attitude (unit Main07): the pupil says which of
// five kinds each sentence is by choosing the kind from the row's pop-up list.
#include "framework/SentenceChoiceScreen.h"

namespace ex07 {

inline constexpr const char* kPrompt = "Druh vety?";

// The kinds in list order, with the kind code each stands for and its correct-answer text.
const std::vector<framework::SentenceChoice>& kindTable();

class TMainForm07 : public framework::SentenceChoiceScreen {
public:
    TMainForm07(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
};

} // namespace ex07

void registerScreen07(shell::ExerciseScreens& screens);
