#include "exercises/10/Main10.h"

#include "exercises/10/Sentences10.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <print/TiskAbi.h>
#include <shell/ExerciseScreens.h>
#include <shell/Pozadi.h>
#include <ui/Application.h>

namespace ex10 {

namespace {

constexpr int kPitch = 33;

framework::ExerciseInfo info10() {
    return {.key = "10",
            .title = "Veta hlavná x veta vedľajšia",
            .title2 = "",
            .library = "\\Data\\Tisk2.dll",
            .entry = "TR10"};
}

} // namespace

TMainForm10::TMainForm10(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random)
    : ExerciseScreen(app, env, info10(), random) {}

TMainForm10::~TMainForm10() = default;

void TMainForm10::Inicializace() {
    clauses_ = std::make_unique<framework::ClauseMarking>(
        *this, env(),
        framework::ClauseMarkingSetup{.geometry = {.slots = kSlots, .pitch = kPitch, .fitLimit = kRowLimit},
                                      .tools = {framework::mainClauseTool(142, 421),
                                                framework::subordinateClauseTool(272, 421),
                                                framework::clauseEraserTool(402, 421)},
                                      .unmarkable = {".", "?", "!"},
                                      .frozen = [this] { return evaluated(); },
                                      .beforeClick = {}});
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 57, 32, 32});
}

void TMainForm10::loadOwnPictures() {
    clauses_->tools.loadPictures();
}

framework::SentenceTable TMainForm10::NactiSoubor(const std::string& path) {
    return ex10::NactiSoubor(path);
}

void TMainForm10::Nulovani() {
    clauses_->clearMarks();
}

void TMainForm10::layoutRow(int r, const framework::Sentence& s) {
    clauses_->layout(r, s);
}

void TMainForm10::clearRow(int r) {
    clauses_->clear(r);
}

void TMainForm10::hideRow(int r) {
    clauses_->hide(r);
}

bool TMainForm10::judgeRow(int r, const framework::Sentence&) {
    return clauses_->judge(r);
}

void TMainForm10::resetTools() {
    clauses_->tools.reset();
}

void TMainForm10::lockTools() {
    clauses_->tools.lock();
}

ui::Form& TMainForm10::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createSentenceLineAnswer(
        app(), env(), left() + 8, top() + 73 + kPitch * r, s, kSlots,
        [](const framework::PPravidla& clause) { return framework::clauseColour(clause.code); });
}

int TMainForm10::printWith(void* entry) {
    return framework::callLinesEntry(entry, framework::clausePrintLines(table(), flow()),
                                     tisk::linesBlockSize(info().entry), flow().runLength(), pupilName());
}

} // namespace ex10

void registerScreen10(shell::ExerciseScreens& screens) {
    screens.add(10, [](shell::Pozadi& env) -> ui::Form& { return env.app().create<ex10::TMainForm10>(env); });
}
