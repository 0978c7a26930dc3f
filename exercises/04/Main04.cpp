#include "exercises/04/Main04.h"

#include "exercises/04/Sentences04.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex04 {

namespace {

framework::ExerciseInfo info04() {
    return {.key = "04", .title = "Druhy prísudku", .sentences = ex04::format};
}

std::string codeText(const std::string& code, const auto& codes, const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (code == codes[i]) return texts[i];
    return {};
}

std::vector<std::string> answers(const auto& codes) {
    return {codes.begin(), codes.end()};
}

} // namespace

TMainForm04::TMainForm04(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : MarkingScreen(app, context, info04(),
                    {"IPrisudek", "ctrl_pr", kPredicateColour, kRowLimit, kPredicate, "Prísudok", kSlots},
                    random) {}

std::string TMainForm04::kindText(const std::string& kind, const std::string& extent) {
    std::string text = "Druh prísudku: " + codeText(kind, kKinds, {"slovesný", "menný"});
    const std::string extentText = codeText(extent, kExtents, {"holý", "rozvitý", "viacnásobný"});
    if (!extentText.empty()) text += " + " + extentText;
    return text;
}

void TMainForm04::Inicializace() {
    kinds_ = &addPart<framework::ChoiceRows>(
        *this, services(),
        framework::ChoiceGeometry{
            .left = 489,
            .pitch = 33,
            .topOffset = 57,
            .name = "Volba1",
            .pictures = {"\\Bitmap\\Games\\04_slov.bmp", "\\Bitmap\\Games\\04_jmss.bmp"},
            .answers = answers(kKinds)});
    // Hidden until the first choice is clicked, then already on simple.
    extents_ = &addPart<framework::ChoiceRows>(
        *this, services(),
        framework::ChoiceGeometry{.pitch = 33,
                                  .topOffset = 57,
                                  .name = "Volba2",
                                  .pictures = {"\\Bitmap\\Games\\04_h.bmp", "\\Bitmap\\Games\\04_r.bmp",
                                               "\\Bitmap\\Games\\04_n.bmp"},
                                  .answers = answers(kExtents),
                                  .resetCounter = 1,
                                  .visibleAtReset = false,
                                  .remarkSlot = 2});
    kinds_->OnChoose = [this](int r, int) { extents_->image(r).show(); };
    addEvaluationImages();
}

} // namespace ex04

void registerScreen04(shell::ExerciseScreens& screens) {
    screens.add(4, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex04::TMainForm04>(context);
    });
}
