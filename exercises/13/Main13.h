#pragma once
// Exercise 13, kinds of compound sentence (unit Main13): the pupil says of each compound sentence
// whether its clauses are coordinate or one is subordinate, by clicking the answer button at the
// end of its row.
#include "framework/ChoiceScreen.h"

namespace shell {
class ExerciseScreens;
}

namespace ex13 {

class TMainForm13 : public framework::ChoiceScreen {
public:
    TMainForm13(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
};

} // namespace ex13

void registerScreen13(shell::ExerciseScreens& screens);
