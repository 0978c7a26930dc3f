#pragma once
// Exercise 11b, parenthesis or inserted clause (unit Main11b): the words of the inserted part are
// bold, and the pupil says whether they are an inserted clause or a parenthesis by clicking the
// choice image at the end of the row.
#include "framework/ChoiceScreen.h"

namespace ex11b {

class TMainForm11b : public framework::ChoiceScreen {
public:
    TMainForm11b(ui::Application& app, const framework::ExerciseContext& context,
                 framework::RandomSource* random = nullptr);

protected:
    // "TR11b" takes every word of every example with its bold flag.
    framework::PrintForm printData() override;
};

} // namespace ex11b

void registerScreen11b(shell::ExerciseScreens& screens);
