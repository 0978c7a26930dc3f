#include "exercises/06b/Main06b.h"

#include "exercises/06b/Sentences06b.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex06b {

namespace {

framework::ExerciseInfo info06b() {
    return {.key = "06b",
            .title = "Prístavok",
            .sentences = ex06b::reader,
            .shape = {.pageSize = kRows, .halfPage = false},
            .printedSlots = kSlots - 1};
}

int measureWords(std::string_view text) {
    return framework::measureFormText(text, kPoints, false);
}

// The words up to the one that would pass the line limit on the first line, the rest lower.
void arrangeTwoLines(framework::CommaRows& rows, int r, const framework::Sentence& s) {
    const int split = firstLineLength(framework::slotTexts(s, kSlots), kLineLimit, measureWords);
    const int top = kPitch * r + 22;
    rows.showWords(r, s, 1, split, top);
    rows.showWords(r, s, split + 1, kSlots, top + kSecondLineDrop);
}

} // namespace

int firstLineLength(const std::vector<std::string>& texts, int limit,
                    const std::function<int(std::string_view)>& measure) {
    std::string joined;
    int length = 0;
    for (std::size_t w = 0; w < texts.size(); ++w) {
        const std::string candidate = joined + texts[w];
        if (measure(candidate) >= limit) break;
        joined = candidate;
        length = int(w) + 1;
    }
    return length;
}

TMainForm06b::TMainForm06b(ui::Application& app, const framework::ExerciseContext& context,
                           framework::RandomSource* random)
    : CommaScreen(app, context, info06b(), random) {}

void TMainForm06b::Inicializace() {
    addCommaRows(
        framework::CommaRowGeometry{
            .slots = kSlots,
            .pitch = kPitch,
            .wordTop = 22,
            .eraser = {568, 42, 38, 30},
            .eraserPicture = "\\Bitmap\\Games\\06b_guma.bmp",
            .eraserHint = framework::kEraserHint,
            .arrange = arrangeTwoLines,
        },
        kRows);
    // The eraser lies over the evaluation image's edge.
    for (int r = 1; r <= kRows; ++r) {
        addEvaluationImage(r, {605, kPitch * r + 26, 32, 32});
        rows().eraser(r).bringToFront();
    }
}

ui::Form& TMainForm06b::createCorrectAnswer(int r, const framework::Sentence& s) {
    const auto [first, second] = framework::splitAtWidth(framework::markedCommaPieces(s, rows().placed(r)),
                                                         framework::kAnswerWindowLimit, measureWords);
    return framework::createTwoLineAnswer(app(), services(), left() + 8, top() + 42 + kPitch * r, first,
                                          second);
}

} // namespace ex06b

void registerScreen06b(shell::ExerciseScreens& screens) {
    screens.add(62, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex06b::TMainForm06b>(context);
    });
}
