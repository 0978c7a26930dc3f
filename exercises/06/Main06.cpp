#include "exercises/06/Main06.h"

#include <shell/ExerciseScreens.h>
#include <shell/Hint2.h>
#include <ui/Application.h>
#include <ui/Label.h>

namespace ex06 {

namespace {

framework::ExerciseInfo info06(const framework::DrawPolicy* policy) {
    return {.key = "06",
            .title = "Zhodný, nezhodný prívlastok",
            .sentences = ex06::format,
            .shape = {.pageSize = kCards, .halfPage = false, .drawCapacity = kDraws, .policy = policy},
            .printedSlots = kSlots,
            .continuePictures = "\\Bitmap\\Games\\",
            // Bottom left, clear of the cards' home places.
            .pageLabel = {0, 461, 82, 16},
            .evaluationImages = kSlotCount,
            .endOfRunWait = 200};
}

} // namespace

// The draw rule lives in the screen and is handed to the run before it is built: the run draws
// only once the screen's sentence file has been read.
TMainForm06::TMainForm06(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info06(&balanced_), random),
      balanced_(
          kCards, kMaxOfOneKind, {kAgreeing, kNonAgreeing},
          [this](int n) { return table().sentence(n)[0].code; }, true) {}

void TMainForm06::Inicializace() {
    for (int k = 1; k <= kSlotCount; ++k)
        addEvaluationImage(k, evaluationBounds(k));
    board_ = &addPart<CardBoard>(*this, services(),
                                 [this](int k) -> framework::EvaluationImage& { return evaluationImage(k); });
}

framework::EvaluationImage* TMainForm06::verdictImage(int r) {
    const int slot = board_->slotOf(r);
    return slot ? &evaluationImage(slot) : nullptr;
}

// THintForm2 with its right edge 8 pixels right of the image's left edge, 16 pixels below its top;
// the image's Tag is the column the wrong card lay in.
ui::Form& TMainForm06::correctAnswerFor(const framework::EvaluationImage& image) {
    auto& window = app().create<shell::THintForm2>(services());
    const ui::Rect at = image.canvasRect();
    window.setBounds(at.left + 8 - window.width(), at.top + 16, window.width(), window.height());
    window.HL->setText(answerOfColumn(image.tag()));
    return window;
}

ui::Form& TMainForm06::createCorrectAnswer(int r, const framework::Sentence&) {
    return correctAnswerFor(evaluationImage(r));
}

framework::PrintForm TMainForm06::printData() {
    framework::PrintLines print;
    for (int i = 1; i <= flow().runLength(); ++i)
        print.lines.push_back(framework::cutToCharacters(table().sentence(flow().draw(i))[0].text,
                                                         framework::kPrintLineLength));
    return print;
}

std::string TMainForm06::keyAnswer(const framework::Sentence& s) const {
    return kindName(s[0].code);
}

} // namespace ex06

void registerScreen06(shell::ExerciseScreens& screens) {
    screens.add(6, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex06::TMainForm06>(context);
    });
}
