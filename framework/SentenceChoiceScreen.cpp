#include "framework/SentenceChoiceScreen.h"

#include "framework/CorrectAnswerWindow.h"
#include "framework/ExerciseContext.h"
#include "framework/PrintSheet.h"

namespace framework {

namespace {

constexpr int kListItemHeight = 16;

std::vector<ChoiceItem> choiceItems(const std::vector<SentenceChoice>& choices) {
    std::vector<ChoiceItem> items;
    for (const SentenceChoice& c : choices)
        items.push_back({c.item, c.item, c.code});
    return items;
}

} // namespace

SentenceChoiceScreen::SentenceChoiceScreen(ui::Application& app, const ExerciseContext& context,
                                           SentenceChoiceSetup setup, RandomSource* random)
    : ExerciseScreen(app, context, setup.info, random), setup_(std::move(setup)) {}

SentenceChoiceScreen::~SentenceChoiceScreen() = default;

std::string SentenceChoiceScreen::answerText(const std::string& remark) const {
    for (const SentenceChoice& c : setup_.choices)
        if (c.code == remark) return c.answer;
    return {};
}

void SentenceChoiceScreen::Inicializace() {
    // The whole sentence is the text of its one slot.
    rows_ = &addPart<WordRows>(
        *this, WordRowGeometry{
                   .slots = 1, .pitch = kPitch, .topOffset = 59, .fitLimit = setup_.fitLimit, .bars = false});
    for (int r = 1; r <= kMaxRows; ++r) {
        rows_->label(r, 1).OnClick = [this](ui::Control&) { closePopups(); };
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
    }
    choosers_ =
        &addPart<ChooserRows>(*this, services(),
                              ChooserGeometry{.pitch = kPitch,
                                              .listWidth = setup_.listWidth,
                                              .listHeight = 4 + kListItemHeight * int(setup_.choices.size()),
                                              .facePicture = setup_.facePicture,
                                              .prompt = setup_.prompt},
                              choiceItems(setup_.choices));
}

std::string SentenceChoiceScreen::keyAnswer(const Sentence& s) const {
    return answerText(s[0].remark);
}

ui::Form& SentenceChoiceScreen::createCorrectAnswer(int r, const Sentence& s) {
    return createLineAnswer(app(), services(), left() + 8, top() + 70 + kPitch * r, answerText(s[0].remark));
}

// One line per example: the sentence as it stands, without its answer.
PrintForm SentenceChoiceScreen::printData() {
    PrintLines print;
    for (int i = 1; i <= flow().runLength(); ++i)
        print.lines.push_back(cutToCharacters(table().sentence(flow().draw(i))[0].text, kPrintLineLength));
    return print;
}

} // namespace framework
