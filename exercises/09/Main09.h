#pragma once
// Exercise 09, relations between main clauses (unit Main09): the pupil names the relation between the main
// clauses of each compound sentence by choosing it from the row's pop-up list.
#include "framework/SentenceChoiceScreen.h"

namespace ex09 {

inline constexpr const char* kPrompt = "Pomer ...";

// The relations in list order, with the key each stands for and its correct-answer text.
const std::vector<framework::SentenceChoice>& relationTable();

class TMainForm09 : public framework::SentenceChoiceScreen {
public:
    TMainForm09(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
};

} // namespace ex09

void registerScreen09(shell::ExerciseScreens& screens);
