#pragma once
// Exercise 08, one-member and two-member sentences (unit Main08): the pupil says of each sentence
// whether it has one member or two by clicking the answer button at the end of its row.
#include "framework/ChoiceScreen.h"

namespace ex08 {

framework::ExerciseInfo info08();
framework::ChoiceScreenLayout layout08();
using TMainForm08 = framework::ChoiceScreenOf<info08, layout08>;

} // namespace ex08

void registerScreen08(shell::ExerciseScreens& screens);
