#include "exercises/11b/Main11b.h"

#include "exercises/11b/Sentences11b.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex11b {

namespace {

framework::ExerciseInfo info11b() {
    return {.key = "11b",
            .title = "Vsuvka a vložená veta",
            .sentences = ex11b::format,
            .panelTop = 268,
            .panelHeight = 182};
}

// Fifteen word labels, the inserted part bold; the choice image before the verdict.
framework::ChoiceScreenLayout layout11b() {
    return {.words = {.slots = kSlots,
                      .pitch = 36,
                      .topOffset = 59,
                      .fitLimit = kRowLimit,
                      .bars = false,
                      .bold = [](const framework::PPravidla& word) { return word.code == kBold; }},
            .choice = {.name = "Volba",
                       .pictures = {"\\Bitmap\\Games\\11b_vvlo.bmp", "\\Bitmap\\Games\\11b_vsuv.bmp"},
                       .answers = {std::string(kKeys[0]), std::string(kKeys[1])}},
            .answerTexts = {"Druh vety: vložená veta", "Druh vety: vsuvka"}};
}

} // namespace

TMainForm11b::TMainForm11b(ui::Application& app, const framework::ExerciseContext& context,
                           framework::RandomSource* random)
    : ChoiceScreen(app, context, info11b(), layout11b(), random) {}

framework::PrintForm TMainForm11b::printData() {
    framework::PrintMarkedWords print;
    auto& words = print.words;
    auto& bold = print.flags;
    for (int i = 1; i <= flow().runLength(); ++i) {
        words.emplace_back();
        bold.emplace_back();
        for (const framework::PPravidla& word : table().sentence(flow().draw(i))) {
            words.back().push_back(word.text);
            bold.back().push_back(word.code == kBold ? 1 : 0);
        }
    }
    return print;
}

} // namespace ex11b

void registerScreen11b(shell::ExerciseScreens& screens) {
    screens.add(112, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex11b::TMainForm11b>(context);
    });
}
