#include "exercises/13/Main13.h"

#include "exercises/13/Sentences13.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex13 {

framework::ExerciseInfo info13() {
    return {.key = "13",
            .title = "Druhy súvetia",
            .sentences = ex13::reader,
            .panelTop = 268,
            .panelHeight = 182};
}

// One label per sentence, fitted to 470 pixels; the answer button before the verdict.
framework::ChoiceScreenLayout layout13() {
    return {.words = {.slots = kSlots, .pitch = 36, .topOffset = 59, .fitLimit = kRowLimit, .bars = false},
            .choice = {.name = "Tlacitko",
                       .pictures = {"\\Bitmap\\Games\\13_sou.bmp", "\\Bitmap\\Games\\13_pod.bmp"},
                       .answers = {std::string(kKinds[0]), std::string(kKinds[1])}},
            .answerTexts = {"Druh súvetia: priraďovacie", "Druh súvetia: podraďovacie"}};
}

} // namespace ex13

void registerScreen13(shell::ExerciseScreens& screens) {
    screens.add(13, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex13::TMainForm13>(context);
    });
}
