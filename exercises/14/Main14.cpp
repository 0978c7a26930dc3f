#include "exercises/14/Main14.h"

#include "exercises/14/Sentences14.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/RowLayout.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"

#include <shell/ExerciseScreens.h>
#include <shell/Pozadi.h>
#include <ui/Application.h>

namespace ex14 {

namespace {

constexpr int kWordTop = 59;

framework::ExerciseInfo info14() {
    return {.key = "14",
            .title = "Čiarka v súvetí",
            .title2 = "",
            .library = "\\Data\\Tisk2.dll",
            .entry = "TR14",
            .printedSlots = kSlots - 1,
            .panelTop = 268,
            .panelHeight = 182};
}

} // namespace

TMainForm14::TMainForm14(ui::Application& app, shell::Pozadi& env, framework::RandomSource* random)
    : ExerciseScreen(app, env, info14(), random) {}

TMainForm14::~TMainForm14() = default;

void TMainForm14::Inicializace() {
    rows_ = std::make_unique<framework::CommaRows>(*this, env(),
                                                   framework::CommaRowGeometry{
                                                       .slots = kSlots,
                                                       .pitch = kPitch,
                                                       .wordTop = kWordTop,
                                                       .eraser = {578, 54, 27, 30},
                                                       .eraserPicture = "\\Bitmap\\Games\\14_guma.bmp",
                                                       .eraserHint = framework::kEraserHint14,
                                                   },
                                                   kMaxRows, [this] { return evaluated(); });
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
}

framework::SentenceTable TMainForm14::NactiSoubor(const std::string& path) {
    return ex14::NactiSoubor(path);
}

// The whole row takes the largest size at which its words, joined without spaces, fit the row.
void TMainForm14::layoutRow(int r, const framework::Sentence& s) {
    const int size =
        framework::fitFontSize(framework::slotTexts(s, kSlots), kRowLimit, framework::measureFormText);
    rows_->showWords(r, s, 1, kSlots, framework::topForSize(kPitch * r + kWordTop, size), size);
}

void TMainForm14::clearRow(int r) {
    rows_->reset(r);
}

void TMainForm14::hideRow(int r) {
    rows_->hide(r);
}

bool TMainForm14::judgeRow(int r, const framework::Sentence& s) {
    rows_->freeze(r);
    return rows_->commasMatch(r, s);
}

// The sentence with its commas on one line, at the size at which its words fit 550 pixels.
ui::Form& TMainForm14::createCorrectAnswer(int r, const framework::Sentence& s) {
    const int size =
        framework::fitFontSize(framework::slotTexts(s, kSlots), kAnswerLimit, framework::measureFormText);
    std::string text;
    for (const std::string& piece : framework::commaPieces(s))
        text += piece;
    return framework::createLineAnswer(app(), env(), left() + 8, top() + 70 + kPitch * r, text, size);
}

} // namespace ex14

void registerScreen14(shell::ExerciseScreens& screens) {
    screens.add(14, [](shell::Pozadi& env) -> ui::Form& { return env.app().create<ex14::TMainForm14>(env); });
}
