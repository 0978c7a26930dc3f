#include "exercises/08/Main08.h"

#include "exercises/08/Sentences08.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex08 {

framework::ExerciseInfo info08() {
    return {.key = "08",
            .title = "Jednočlenné x dvojčlenné vety",
            .sentences = ex08::reader,
            .panelTop = 268,
            .panelHeight = 182};
}

// One label per sentence, fitted to 430 pixels; a wide answer button before the verdict.
framework::ChoiceScreenLayout layout08() {
    return {.words = {.slots = kSlots, .pitch = 36, .topOffset = 59, .fitLimit = kRowLimit, .bars = false},
            .choice = {.left = 490,
                       .width = 116,
                       .name = "Tlacitko",
                       .pictures = {"\\Bitmap\\Games\\08_jedno.bmp", "\\Bitmap\\Games\\08_dvoj.bmp"},
                       .answers = {std::string(kKinds[0]), std::string(kKinds[1])}},
            .answerTexts = {"Druh vety: jednočlenná", "Druh vety: dvojčlenná"}};
}

} // namespace ex08

void registerScreen08(shell::ExerciseScreens& screens) {
    screens.add(8, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex08::TMainForm08>(context);
    });
}
