#pragma once
// Exercise 08, one-member and two-member sentences (unit Main08): the pupil says of each sentence
// whether it has one member or two by clicking the answer button at the end of its row.
#include "framework/ChoiceScreen.h"

namespace shell {
class ExerciseScreens;
}

namespace ex08 {

class TMainForm08 : public framework::ChoiceScreen {
public:
    TMainForm08(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
};

} // namespace ex08

void registerScreen08(shell::ExerciseScreens& screens);
