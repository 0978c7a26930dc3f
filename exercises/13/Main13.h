#pragma once
// Exercise 13, kinds of compound sentence (unit Main13): the pupil says of each compound sentence
// whether its clauses are coordinate or one is subordinate, by clicking the answer button at the
// end of its row.
#include "framework/ChoiceScreen.h"

namespace ex13 {

framework::ExerciseInfo info13();
framework::ChoiceScreenLayout layout13();
using TMainForm13 = framework::ChoiceScreenOf<info13, layout13>;

} // namespace ex13

void registerScreen13(shell::ExerciseScreens& screens);
