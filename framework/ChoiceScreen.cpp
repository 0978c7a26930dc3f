#include "framework/ChoiceScreen.h"

#include "framework/CorrectAnswerWindow.h"
#include "framework/ExerciseContext.h"
#include "framework/PrintSheet.h"

#include <ui/Application.h>

namespace framework {

ChoiceScreen::ChoiceScreen(ui::Application& app, const ExerciseContext& context, ExerciseInfo info,
                           ChoiceScreenLayout layout, RandomSource* random)
    : ExerciseScreen(app, context, std::move(info), random), layout_(std::move(layout)) {}

ChoiceScreen::~ChoiceScreen() = default;

std::string ChoiceScreen::answerText(const std::string& key) const {
    const std::vector<std::string>& keys = layout_.choice.answers;
    for (std::size_t i = 0; i < keys.size() && i < layout_.answerTexts.size(); ++i)
        if (keys[i] == key) return layout_.answerTexts[i];
    return {};
}

void ChoiceScreen::Inicializace() {
    rows_ = &addPart<WordRows>(*this, layout_.words);
    const int pitch = layout_.words.pitch;
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, pitch * r + 54, 32, 32});
    choices_ = &addPart<ChoiceRows>(*this, services(), layout_.choice);
}

std::string ChoiceScreen::keyAnswer(const Sentence& s) const {
    return answerText(s[0].remark);
}

ui::Form& ChoiceScreen::createCorrectAnswer(int r, const Sentence& s) {
    return createLineAnswer(app(), services(), left() + 8, top() + 70 + layout_.words.pitch * r,
                            answerText(s[0].remark));
}

PrintForm ChoiceScreen::printData() {
    PrintLines print;
    for (int i = 1; i <= flow().runLength(); ++i)
        print.lines.push_back(cutToCharacters(table().sentence(flow().draw(i))[0].text, kPrintLineLength));
    return print;
}

} // namespace framework
