#include "exercises/07/Main07.h"

#include "exercises/07/Sentences07.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex07 {

const std::vector<framework::SentenceChoice>& kindTable() {
    static const std::vector<framework::SentenceChoice> table{
        {"Oznamovacia", "Oznamovaci", "Druh vety: oznamovacia"},
        {"Opytovacia", "Tazaci", "Druh vety: opytovacia"},
        {"Rozkazovacia", "Rozkazovaci", "Druh vety: rozkazovacia"},
        {"Želacia", "Praci", "Druh vety: želacia"},
        {"Zvolacia", "Zvolaci", "Druh vety: zvolacia"},
    };
    return table;
}

TMainForm07::TMainForm07(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : SentenceChoiceScreen(app, context,
                           {.info = {.key = "07",
                                     .title = "Druhy viet podľa postoja hovoriaceho",
                                     .sentences = ex07::reader,
                                     .panelTop = 268,
                                     .panelHeight = 182},
                            .choices = kindTable(),
                            .prompt = kPrompt,
                            .facePicture = "\\Bitmap\\Games\\07_cudl.bmp",
                            .listWidth = 94,
                            .fitLimit = kRowLimit},
                           random) {}

} // namespace ex07

void registerScreen07(shell::ExerciseScreens& screens) {
    screens.add(7, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex07::TMainForm07>(context);
    });
}
