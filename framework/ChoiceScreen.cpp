#include "framework/ChoiceScreen.h"

#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <print/TiskAbi.h>
#include <ui/Application.h>

namespace framework {

ChoiceScreen::ChoiceScreen(ui::Application& app, shell::Pozadi& env, ExerciseInfo info,
                           ChoiceScreenLayout layout, RandomSource* random)
    : ExerciseScreen(app, env, std::move(info), random), layout_(std::move(layout)) {}

ChoiceScreen::~ChoiceScreen() = default;

std::string ChoiceScreen::answerText(const std::string& key) const {
    const std::vector<std::string>& keys = layout_.choice.answers;
    for (std::size_t i = 0; i < keys.size() && i < layout_.answerTexts.size(); ++i)
        if (keys[i] == key) return layout_.answerTexts[i];
    return {};
}

void ChoiceScreen::Inicializace() {
    rows_ = std::make_unique<WordRows>(*this, layout_.words);
    const int pitch = layout_.words.pitch;
    for (int r = 1; r <= kMaxRows; ++r)
        addEvaluationImage(r, {605, pitch * r + 54, 32, 32});
    choices_ = std::make_unique<ChoiceRows>(*this, env(), layout_.choice);
}

SentenceTable ChoiceScreen::NactiSoubor(const std::string& path) {
    return layout_.read(path);
}

void ChoiceScreen::layoutRow(int r, const Sentence& s) {
    rows_->layout(r, s, layout_.bold);
}

void ChoiceScreen::clearRow(int r) {
    rows_->clear(r);
    choices_->reset(r);
}

void ChoiceScreen::hideRow(int r) {
    rows_->hide(r);
    choices_->hide(r);
}

// A row never clicked is wrong, also against an empty remark.
bool ChoiceScreen::judgeRow(int r, const Sentence& s) {
    choices_->freeze(r);
    return choices_->image(r).counter() > 0 && choices_->answer(r) == s[0].remark;
}

ui::Form& ChoiceScreen::createCorrectAnswer(int r, const Sentence& s) {
    return createLineAnswer(app(), env(), left() + 8, top() + 70 + layout_.words.pitch * r,
                            answerText(s[0].remark));
}

int ChoiceScreen::printWith(void* entry) {
    std::vector<std::string> lines;
    for (int i = 1; i <= flow().runLength(); ++i)
        lines.push_back(cutToCharacters(table().sentence(flow().draw(i))[0].text, kPrintLineLength));
    return callLinesEntry(entry, lines, tisk::linesBlockSize(info().entry), flow().runLength(), pupilName());
}

} // namespace framework
