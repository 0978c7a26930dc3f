#include "exercises/08b/Main08b.h"

#include "exercises/08b/Sentences08b.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/RowLayout.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

#include <utility>

namespace ex08b {

namespace {

constexpr int kWordTop = 59;
constexpr int kLastRow = 10;

framework::ExerciseInfo info08b() {
    return {.key = "08b",
            .title = "Čiarka v jednoduchej vete",
            .sentences = ex08b::format,
            .printedSlots = kSlots - 1,
            .panelTop = 268,
            .panelHeight = 182};
}

} // namespace

const std::vector<framework::ChoiceItem>& kindTable() {
    static const std::vector<framework::ChoiceItem> table{
        {"Citoslovce", "Citoslovce", "citoslovce"},
        {"Oslovenie", "Oslovenie", "osloveni"},
        {"Vytýčený vetný člen", "Vyt. vetný člen", "samostatny"},
        {"Viacnásobný vetný člen", "Viac. vetný člen", "nekolikanasobny"},
    };
    return table;
}

// "vsuvka" has an answer but no list item, so such a sentence can never be answered right.
std::string answerText(const std::string& kindCode) {
    static const std::pair<const char*, const char*> texts[] = {
        {"citoslovce", "Čiarka oddeluje: citoslovce"},
        {"osloveni", "Čiarka oddeluje: oslovenie"},
        {"samostatny", "Čiarka oddeluje: vytýčený vetný člen"},
        {"nekolikanasobny", "Čiarka oddeluje: viacnásobný vetný člen"},
        {"vsuvka", "Čiarka oddeluje: vsuvka"},
    };
    for (const auto& [code, text] : texts)
        if (kindCode == code) return text;
    return {};
}

TMainForm08b::TMainForm08b(ui::Application& app, const framework::ExerciseContext& context,
                           framework::RandomSource* random)
    : ExerciseScreen(app, context, info08b(), random) {}

void TMainForm08b::Inicializace() {
    rows_ = &addPart<framework::CommaRows>(
        *this, services(),
        framework::CommaRowGeometry{
            .slots = kSlots,
            .pitch = kPitch,
            .wordTop = kWordTop,
            .eraser = {436, 54, 27, 30},
            .eraserPicture = "\\Bitmap\\Games\\08b_guma.bmp",
            .eraserHint = framework::kEraserHint08b,
            .fitLimit = kRowLimit,
        },
        kMaxRows, [this] { return evaluated(); }, [this] { closePopups(); });
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
    choosers_ = &addPart<framework::ChooserRows>(*this, services(),
                                                 framework::ChooserGeometry{
                                                     .pitch = kPitch,
                                                     .faceLeft = 464,
                                                     .faceWidth = 141,
                                                     .chooserLeft = 478,
                                                     .chooserWidth = 115,
                                                     .listWidth = 148,
                                                     .listHeight = 68,
                                                     .facePicture = "\\Bitmap\\Games\\08b_cudl.bmp",
                                                     .prompt = kPrompt,
                                                 },
                                                 kindTable());
}

// The sentence with its commas, and what they set apart. The last row's window opens higher, so
// that it stays on the screen.
std::string TMainForm08b::keyAnswer(const framework::Sentence& s) const {
    return framework::joinedAnswer({framework::commaSentence(s), answerText(s[0].remark)});
}

ui::Form& TMainForm08b::createCorrectAnswer(int r, const framework::Sentence& s) {
    const framework::MarkedText sentence =
        framework::joined(framework::markedCommaPieces(s, rows().placed(r)));
    const int offset = r == kLastRow ? 62 : 70;
    return framework::createTwoLineAnswer(app(), services(), left() + 8, top() + offset + kPitch * r,
                                          sentence, answerText(s[0].remark));
}

} // namespace ex08b

void registerScreen08b(shell::ExerciseScreens& screens) {
    screens.add(82, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex08b::TMainForm08b>(context);
    });
}
