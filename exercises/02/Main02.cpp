#include "exercises/02/Main02.h"

#include "exercises/02/Sentences02.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex02 {

namespace {

framework::ExerciseInfo info02() {
    return {.key = "02", .title = "Druhy podmetu", .sentences = ex02::format};
}

} // namespace

TMainForm02::TMainForm02(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : MarkingScreen(app, context, info02(),
                    {"IPodmet", "ctrl_po", kSubjectColour, kRowLimit, kSubject, "Podmet", kSlots}, random) {}

std::string TMainForm02::kindText(const std::string& remark) {
    if (remark == kKinds[0]) return "Druh podmetu: holý";
    if (remark == kKinds[1]) return "Druh podmetu: rozvitý";
    if (remark == kKinds[2]) return "Druh podmetu: viacnásobný";
    return {};
}

void TMainForm02::Inicializace() {
    choices_ = &addPart<framework::ChoiceRows>(
        *this, services(),
        framework::ChoiceGeometry{
            .pitch = 33,
            .topOffset = 57,
            .pictures = {"\\Bitmap\\Games\\02_h.bmp", "\\Bitmap\\Games\\02_r.bmp",
                         "\\Bitmap\\Games\\02_n.bmp"},
            .answers = {std::string(kKinds[0]), std::string(kKinds[1]), std::string(kKinds[2])}});
    addEvaluationImages();
}

} // namespace ex02

void registerScreen02(shell::ExerciseScreens& screens) {
    screens.add(2, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex02::TMainForm02>(context);
    });
}
