#include "exercises/12/Main12.h"

#include "exercises/12/Sentences12.h"
#include "framework/CorrectAnswerWindow.h"
#include "framework/PrintSheet.h"

#include <shell/ExerciseScreens.h>
#include <ui/Application.h>

namespace ex12 {

namespace {

constexpr int kTopOffset = 59;
constexpr int kChooserHeight = 20;
constexpr int kListHeight = 52;

framework::ExerciseInfo info12() {
    return {.key = "12",
            .title = "Doplňovanie spájacích výrazov",
            .sentences = ex12::format,
            .panelTop = 268,
            .panelHeight = 182};
}

const std::string& candidate(const framework::Sentence& s, int c) {
    return s[std::size_t(c)].remark;
}

} // namespace

std::vector<std::string> printWords(const framework::Sentence& s, const CandidateOrder& order) {
    std::vector<std::string> words(static_cast<std::size_t>(kSlots));
    for (std::size_t k = 0; k < words.size() && k < s.size(); ++k) {
        const framework::PPravidla& slot = s[k];
        if (slot.text.empty()) continue;
        if (slot.code == kGap) {
            words[k] = "#" + candidate(s, order[0]) + " | " + candidate(s, order[1]) + " | " +
                       candidate(s, order[2]) + " ";
        } else if (k + 1 < words.size()) {
            const bool sticks = k + 1 < s.size() && (s[k + 1].text == "." || s[k + 1].text == ",");
            words[k] = sticks ? slot.text : slot.text + " ";
        }
    }
    return words;
}

framework::MarkedText answerText(const framework::Sentence& s) {
    framework::MarkedText text;
    for (const framework::PPravidla& slot : s) {
        if (slot.text.empty()) continue;
        if (slot.code == kGap)
            text.marks.push_back({text.text.size(), slot.text.size(), framework::AnswerMark::Chosen});
        text.text += slot.text + " ";
    }
    return text;
}

GapRows::GapRows(ui::Control& parent, const framework::ScreenServices& services, int pitch)
    : parent_(parent), services_(services), pitch_(pitch),
      rows_(parent, framework::WordRowGeometry{
                        .slots = kSlots, .pitch = pitch, .topOffset = kTopOffset, .bars = false}) {}

void GapRows::addChooser(int r, std::function<void(int)> click) {
    framework::TMujComboBox& c = parent_.add<framework::TMujComboBox>(services_, r);
    c.setName("Volba" + std::to_string(r));
    c.setAutoSize(false);
    c.setBounds(kRowLeft, pitch_ * r + kTopOffset, kGapWidth, kChooserHeight);
    c.setAlignment(ui::Alignment::Center);
    c.setTransparent(false);
    c.setColor(framework::kListColour);
    c.setFontColor(ui::colors::Black);
    c.setTag(r);
    c.hide();
    c.OnClick = [click = std::move(click), r](ui::Control&) { click(r); };
    choosers_.push_back(&c);
}

void GapRows::addList() {
    list_ = &parent_.add<framework::TMujListbox>(
        services_, std::vector<std::string>(std::size_t(kCandidates)), kGapWidth, kListHeight, kItemWidth);
    list_->OnChoose = [this](int r, int index) { chooser(r).setText(list_->item(index).text()); };
}

void GapRows::fill(int r, const std::vector<std::string>& candidates) {
    filledFor_ = r;
    list_->setTexts(candidates);
}

// The words keep the form's size; the gap is a chooser as wide as a list item, at the place of
// its hidden word.
void GapRows::layout(int r, const framework::Sentence& s) {
    const std::vector<std::string> texts = framework::slotTexts(s, kSlots);
    std::vector<int> widths;
    for (std::size_t k = 0; k < texts.size(); ++k)
        widths.push_back(s[k].code == kGap ? kGapWidth
                                           : framework::measureFormText(texts[k], kPoints, false));
    const int top = pitch_ * r + kTopOffset;
    for (const framework::Placed& p : framework::placeWords(texts, widths, kRowLeft)) {
        framework::WordLabel& l = rows_.label(r, p.slot + 1);
        l.setFontSize(kPoints);
        l.setText(texts[std::size_t(p.slot)]);
        l.setBounds(p.left, top, l.width(), l.height());
        if (s[std::size_t(p.slot)].code != kGap) {
            l.show();
            continue;
        }
        framework::TMujComboBox& c = chooser(r);
        c.setBounds(p.left, top, kGapWidth, kChooserHeight);
        c.bringToFront();
        c.show();
    }
}

void GapRows::clear(int r) {
    rows_.clear(r);
    framework::TMujComboBox& c = chooser(r);
    c.setText({});
    c.selectable = true;
    c.hide(); // shown again where the layout puts the gap
}

void GapRows::hide(int r) {
    rows_.hide(r);
    chooser(r).hide();
}

bool GapRows::judge(int r, const framework::Sentence& s) {
    framework::TMujComboBox& c = chooser(r);
    c.selectable = false;
    return !c.text().empty() && c.text() == candidate(s, 0);
}

TMainForm12::TMainForm12(ui::Application& app, const framework::ExerciseContext& context,
                         framework::RandomSource* random)
    : ExerciseScreen(app, context, info12(), random) {}

void TMainForm12::Inicializace() {
    gaps_ = &addPart<GapRows>(*this, services(), kPitch);
    for (int r = 1; r <= kMaxRows; ++r) {
        for (int k = 1; k <= kSlots; ++k)
            rows().label(r, k).OnClick = [this](ui::Control&) { closePopups(); };
        addEvaluationImage(r, {605, kPitch * r + 54, 32, 32});
        gaps_->addChooser(r, [this](int row) { Click(row); });
    }
    gaps_->addList();
}

// Reopening a row's list draws a new order; a click on the chooser of the open list only places
// it again.
void TMainForm12::Click(int r) {
    random().reseed();
    if (!chooser(r).selectable) return;
    services().playClick();
    if (!gaps_->listOpenFor(r)) {
        const framework::Sentence& s = sentenceOfRow(r);
        const CandidateOrder& order = kOrders.at(std::size_t(random().below(int(kOrders.size()))));
        std::vector<std::string> candidates;
        for (int c : order)
            candidates.push_back(candidate(s, c));
        gaps_->fill(r, candidates);
    }
    list().openAt(chooser(r).bounds(), r);
}

std::string TMainForm12::keyAnswer(const framework::Sentence& s) const {
    for (const framework::PPravidla& slot : s)
        if (slot.code == kGap) return "Doplň: " + slot.text;
    return {};
}

ui::Form& TMainForm12::createCorrectAnswer(int r, const framework::Sentence& s) {
    ui::Form& window =
        framework::createLineAnswer(app(), services(), left() + 8, top() + 70 + kPitch * r, answerText(s));
    // This window's sentence sits one pixel higher than the other exercises' answers.
    if (ui::Control* text = window.findByName("Odpoved"))
        text->setBounds(10, 12, text->width(), text->height());
    return window;
}

// "TR12" takes the words of every example one by one, the candidates in one order for the sheet.
framework::PrintForm TMainForm12::printData() {
    const CandidateOrder& order = kOrders.at(std::size_t(random().below(int(kOrders.size()))));
    framework::PrintWordSlots print;
    for (int i = 1; i <= flow().runLength(); ++i)
        for (std::string& word : printWords(table().sentence(flow().draw(i)), order))
            print.words.push_back(std::move(word));
    return print;
}

} // namespace ex12

void registerScreen12(shell::ExerciseScreens& screens) {
    screens.add(12, [](const framework::ExerciseContext& context) -> ui::Form& {
        return context.app.create<ex12::TMainForm12>(context);
    });
}
