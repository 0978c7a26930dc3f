#include "exercises/14/Main14.h"

#include "exercises/14/Sentences14.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/RowLayout.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex14 {

namespace {

constexpr int kWordTop = 59;

framework::ExerciseInfo info14() {
    return {.key = "14",
            .title = "Čiarka v súvetí",
            .sentences = ex14::reader,
            .printedSlots = kSlots - 1,
            .panelTop = 268,
            .panelHeight = 182};
}

} // namespace

TMainForm14::TMainForm14(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : CommaScreen(app, context, info14(), random) {}

void TMainForm14::Inicializace() {
    addCommaRows(
        framework::CommaRowGeometry{
            .slots = kSlots,
            .pitch = kPitch,
            .wordTop = kWordTop,
            .eraser = {578, 54, 27, 30},
            .eraserPicture = "\\Bitmap\\Games\\14_guma.bmp",
            .eraserHint = framework::kEraserHint14,
            .fitLimit = kRowLimit,
        },
        kMaxRows);
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
}

ui::Form& TMainForm14::createCorrectAnswer(int r, const framework::Sentence& s) {
    const int size =
        framework::fitFontSize(framework::slotTexts(s, kSlots), kAnswerLimit, framework::measureFormText);
    return framework::createLineAnswer(app(), services(), left() + 8, top() + 70 + kPitch * r,
                                       framework::joined(framework::markedCommaPieces(s, rows().placed(r))),
                                       size);
}

} // namespace ex14

void registerScreen14(shell::ExerciseScreens& screens) {
    screens.add(14, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex14::TMainForm14>(context);
    });
}
