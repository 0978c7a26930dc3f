#include "exercises/10/Main10.h"

#include "exercises/10/Sentences10.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex10 {

namespace {

constexpr int kPitch = 33;

framework::ExerciseInfo info10() {
    return {.key = "10", .title = "Veta hlavná x veta vedľajšia", .sentences = ex10::format};
}

} // namespace

TMainForm10::TMainForm10(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info10(), random) {}

void TMainForm10::Inicializace() {
    clauses_ = &addPart<framework::WordMarking>(
        *this, services(),
        framework::WordMarkingSetup{.geometry = {.slots = kSlots, .pitch = kPitch, .fitLimit = kRowLimit},
                                    .tools = {framework::mainClauseTool(142, 421),
                                              framework::subordinateClauseTool(272, 421),
                                              framework::clauseEraserTool(402, 421)},
                                    .colours = framework::clauseColours(),
                                    .unmarkable = framework::textIsOneOf({".", "?", "!"}),
                                    .frozen = [this] { return evaluated(); },
                                    .beforeClick = {}});
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 57, 32, 32});
}

std::string TMainForm10::keyAnswer(const framework::Sentence& s) const {
    return framework::clausesAnswer(s);
}

ui::Form& TMainForm10::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createSentenceLineAnswer(
        app(), services(), left() + 8, top() + 73 + kPitch * r, s, kSlots,
        [](const framework::PPravidla& clause) { return framework::clauseColour(clause.code); });
}

framework::PrintForm TMainForm10::printData() {
    return framework::PrintLines{framework::clausePrintLines(table(), flow())};
}

} // namespace ex10

void registerScreen10(shell::ExerciseScreens& screens) {
    screens.add(10, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex10::TMainForm10>(context);
    });
}
