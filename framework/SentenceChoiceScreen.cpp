#include "framework/SentenceChoiceScreen.h"

#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <print/TiskAbi.h>

namespace framework {

namespace {

constexpr int kItemHeight = 16;

std::vector<ChoiceItem> choiceItems(const std::vector<SentenceChoice>& choices) {
    std::vector<ChoiceItem> items;
    for (const SentenceChoice& c : choices)
        items.push_back({c.item, c.item, c.code});
    return items;
}

} // namespace

SentenceChoiceScreen::SentenceChoiceScreen(ui::Application& app, shell::Pozadi& env,
                                           SentenceChoiceSetup setup, RandomSource* random)
    : ExerciseScreen(app, env, setup.info, random), setup_(std::move(setup)) {}

SentenceChoiceScreen::~SentenceChoiceScreen() = default;

std::string SentenceChoiceScreen::answerText(const std::string& remark) const {
    for (const SentenceChoice& c : setup_.choices)
        if (c.code == remark) return c.answer;
    return {};
}

void SentenceChoiceScreen::Inicializace() {
    // The whole sentence is the text of its one slot.
    rows_ = std::make_unique<WordRows>(
        *this, WordRowGeometry{
                   .slots = 1, .pitch = kPitch, .topOffset = 59, .fitLimit = setup_.fitLimit, .bars = false});
    for (int r = 1; r <= kMaxRows; ++r) {
        rows_->label(r, 1).OnClick = [this](ui::Control&) { closePopups(); };
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
    }
    choosers_ = std::make_unique<ChooserRows>(
        *this, env(),
        ChooserGeometry{.pitch = kPitch,
                        .listWidth = setup_.listWidth,
                        .listHeight = 4 + kItemHeight * int(setup_.choices.size()),
                        .facePicture = setup_.facePicture,
                        .prompt = setup_.prompt},
        choiceItems(setup_.choices));
}

void SentenceChoiceScreen::layoutRow(int r, const Sentence& s) {
    rows_->layout(r, s);
}

void SentenceChoiceScreen::clearRow(int r) {
    rows_->clear(r);
    choosers_->reset(r);
}

void SentenceChoiceScreen::hideRow(int r) {
    rows_->hide(r);
    choosers_->hide(r);
}

// An unchosen row is wrong; a chosen one is right when its code is the remark, case and all.
bool SentenceChoiceScreen::judgeRow(int r, const Sentence& s) {
    choosers_->freeze(r);
    const std::optional<std::string> code = choosers_->chosenCode(r);
    return code && *code == s[0].remark;
}

void SentenceChoiceScreen::closePopups() {
    if (choosers_) choosers_->closeList();
}

ui::Form& SentenceChoiceScreen::createCorrectAnswer(int r, const Sentence& s) {
    return createLineAnswer(app(), env(), left() + 8, top() + 70 + kPitch * r, answerText(s[0].remark));
}

// One line per example: the sentence as it stands, without its answer.
int SentenceChoiceScreen::printWith(void* entry) {
    std::vector<std::string> lines;
    for (int i = 1; i <= flow().runLength(); ++i)
        lines.push_back(cutToCharacters(table().sentence(flow().draw(i))[0].text, kPrintLineLength));
    return callLinesEntry(entry, lines, tisk::linesBlockSize(info().entry), flow().runLength(), pupilName());
}

} // namespace framework
