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
            .library = "\\Data\\Tisk2.dll",
            .entry = "TR14",
            .printedSlots = kSlots - 1,
            .panelTop = 268,
            .panelHeight = 182};
}

} // namespace

TMainForm14::TMainForm14(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info14(), random) {}

TMainForm14::~TMainForm14() = default;

void TMainForm14::Inicializace() {
    rows_ = &addPart<framework::CommaRows>(*this, services(),
                                           framework::CommaRowGeometry{
                                               .slots = kSlots,
                                               .pitch = kPitch,
                                               .wordTop = kWordTop,
                                               .eraser = {578, 54, 27, 30},
                                               .eraserPicture = "\\Bitmap\\Games\\14_guma.bmp",
                                               .eraserHint = framework::kEraserHint14,
                                               .fitLimit = kRowLimit,
                                           },
                                           kMaxRows, [this] { return evaluated(); });
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
}

framework::SentenceTable TMainForm14::NactiSoubor(const std::string& path) {
    return ex14::NactiSoubor(path);
}

// The sentence with its commas on one line, at the size at which its words fit 550 pixels.
std::string TMainForm14::keyAnswer(const framework::Sentence& s) const {
    return framework::commaSentence(s);
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
