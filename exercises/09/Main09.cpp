#include "exercises/09/Main09.h"

#include "exercises/09/Sentences09.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex09 {

const std::vector<framework::SentenceChoice>& relationTable() {
    static const std::vector<framework::SentenceChoice> table{
        {"Zlučovací", "Slucovaci", "Vzťah medzi hlavnými vetami: zlučovací"},
        {"Odporovací", "Odporovaci", "Vzťah medzi hlavnými vetami: odporovací"},
        {"Stupňovací", "Stupnovaci", "Vzťah medzi hlavnými vetami: stupňovací"},
        {"Príčinný", "Pricinny", "Vzťah medzi hlavnými vetami: príčinný"},
        {"Vylučovací", "Vylucovaci", "Vzťah medzi hlavnými vetami: vylučovací"},
    };
    return table;
}

TMainForm09::TMainForm09(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : SentenceChoiceScreen(app, context,
                           {.info = {.key = "09",
                                     .title = "Vzťahy medzi hlavnými vetami",
                                     .sentences = ex09::reader,
                                     .panelTop = 268,
                                     .panelHeight = 182},
                            .choices = relationTable(),
                            .prompt = kPrompt,
                            .facePicture = "\\Bitmap\\Games\\09_cudl.bmp",
                            .listWidth = 79,
                            .fitLimit = kRowLimit},
                           random) {}

} // namespace ex09

void registerScreen09(shell::ExerciseScreens& screens) {
    screens.add(9, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex09::TMainForm09>(context);
    });
}
