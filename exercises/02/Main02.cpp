#include "exercises/02/Main02.h"

#include "exercises/02/Sentences02.h"
#include "framework/CorrectAnswerWindow.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex02 {

namespace {

framework::ExerciseInfo info02() {
    return {.key = "02", .title = "Druhy podmetu", .library = "\\Data\\Tisk.dll", .entry = "TR2"};
}

} // namespace

TMainForm02::TMainForm02(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info02(), random),
      marking_(addPart<framework::WordMarking>(*this, services(),
                                               framework::oneToolMarking("IPodmet", "ctrl_po", kSubjectColour,
                                                                         kRowLimit,
                                                                         [this] { return evaluated(); }))),
      tools(marking_.tools) {}

TMainForm02::~TMainForm02() = default;

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
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, 33 * r + 57, 32, 32});
}

framework::SentenceTable TMainForm02::NactiSoubor(const std::string& path) {
    return ex02::NactiSoubor(path);
}

std::string TMainForm02::keyAnswer(const framework::Sentence& s) const {
    return framework::joinedAnswer(
        {framework::codedWordsAnswer(s, {{kSubject, "Podmet"}}), kindText(s[0].remark)});
}

ui::Form& TMainForm02::createCorrectAnswer(int r, const framework::Sentence& s) {
    return framework::createSentenceAnswer(app(), services(), left() + 8, top() + 73 + 33 * r, s, kSlots,
                                           framework::linesUnderCode(kSubject, kSubjectColour),
                                           kindText(s[0].remark));
}

} // namespace ex02

void registerScreen02(shell::ExerciseScreens& screens) {
    screens.add(2, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex02::TMainForm02>(context);
    });
}
