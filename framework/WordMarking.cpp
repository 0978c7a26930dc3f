#include "framework/WordMarking.h"

#include "framework/PrintSheet.h"
#include "framework/RunFlow.h"

#include "framework/ExerciseContext.h"

#include <algorithm>
#include <stdexcept>

namespace framework {

bool WordMarking::answered(int r) const {
    for (int k = 1; k <= kMarkedSlots; ++k)
        if (mark(r, k) != 0) return true;
    return false;
}

namespace {

const WordRowGeometry& checkedGeometry(const WordRowGeometry& geometry) {
    if (geometry.slots > kMarkedSlots) throw std::invalid_argument("too many marked slots");
    return geometry;
}

} // namespace

std::optional<ui::Color> clauseColour(std::int32_t code) {
    if (code == kMainClause) return kMainClauseColour;
    if (code == kSubordinateClause) return kSubordinateClauseColour;
    return std::nullopt;
}

std::map<std::int32_t, ui::Color> clauseColours() {
    return {{kMainClause, kMainClauseColour}, {kSubordinateClause, kSubordinateClauseColour}};
}

ToolButtons::Tool markingTool(const char* name, const char* picture, std::int32_t code, int left, int top) {
    std::vector<std::string> pictures;
    for (const char* state : {"0", "1", "2"})
        pictures.push_back(std::string("\\Bitmap\\Games\\") + picture + state + ".bmp");
    return {name, {left, top, 96, 59}, code, std::move(pictures)};
}

std::function<bool(std::string_view)> textIsOneOf(std::vector<std::string> texts) {
    return [texts = std::move(texts)](std::string_view text) {
        return std::ranges::find(texts, text) != texts.end();
    };
}

ToolButtons::Tool mainClauseTool(int left, int top) {
    return markingTool("IHlavni", "ctrl_hl", kMainClause, left, top);
}

ToolButtons::Tool subordinateClauseTool(int left, int top) {
    return markingTool("IVedlejsi", "ctrl_ve", kSubordinateClause, left, top);
}

ToolButtons::Tool clauseEraserTool(int left, int top) {
    return markingTool("ISmazat", "ctrl_sm", kEraseTool, left, top);
}

WordMarkingSetup oneToolMarking(const char* name, const char* picture, ui::Color colour, int fitLimit,
                                std::function<bool()> frozen, std::function<void()> beforeClick) {
    return {.geometry = {.fitLimit = fitLimit},
            .tools = {markingTool(name, picture, 1, 207, 421),
                      markingTool("ISmazat", "ctrl_sm", kEraseTool, 337, 421)},
            .colours = {{1, colour}},
            .unmarkable = textIsOneOf({".", "?", "!"}),
            .frozen = std::move(frozen),
            .beforeClick = std::move(beforeClick)};
}

WordMarking::WordMarking(ui::Control& parent, const ScreenServices& env, WordMarkingSetup setup, int rows)
    : tools(env, 96, 59), env_(env), setup_(std::move(setup)),
      rows_(parent, checkedGeometry(setup_.geometry), rows), marks_(std::size_t(rows)),
      keys_(std::size_t(rows)) {
    tools.create(parent, setup_.tools, setup_.beforeClick);
    for (int r = 1; r <= rows; ++r)
        for (int k = 1; k <= setup_.geometry.slots; ++k) {
            WordLabel& word = rows_.label(r, k);
            word.OnMouseDown = [this, &word](ui::Control&, const ui::MouseEvent& e) {
                if (e.button == ui::MouseButton::Left) wordDown(word);
            };
            word.OnMouseEnter = [this](ui::Control&) { wordEnter(); };
            word.OnMouseLeave = [this](ui::Control&) { wordLeave(); };
        }
}

void WordMarking::layout(int r, const Sentence& s) {
    rows_.layout(r, s);
    Row& key = keys_.at(std::size_t(r - 1));
    for (int k = 1; k <= setup_.geometry.slots && k <= int(s.size()); ++k) {
        const std::int32_t code = s[std::size_t(k - 1)].code;
        const bool marked = std::any_of(setup_.tools.begin(), setup_.tools.end(),
                                        [code](const ToolButtons::Tool& t) { return t.code == code; });
        key[std::size_t(k - 1)] = code != kNoTool && marked ? code : 0;
    }
}

void WordMarking::clearMarks() {
    std::fill(marks_.begin(), marks_.end(), Row{});
    std::fill(keys_.begin(), keys_.end(), Row{});
}

bool WordMarking::judge(int r) const {
    return marksMatch(marks_.at(std::size_t(r - 1)), keys_.at(std::size_t(r - 1)));
}

void WordMarking::wordDown(WordLabel& word) {
    if (setup_.beforeClick) setup_.beforeClick();
    if (setup_.frozen() || (setup_.unmarkable && setup_.unmarkable(word.text()))) return;
    std::int32_t& m = marks_.at(std::size_t(word.row() - 1)).at(std::size_t(word.slot() - 1));
    switch (applyTool(tools.current(), m)) {
    case MarkChange::Marked:
        env_.playClick();
        rows_.showBar(word.row(), word.slot(), setup_.colours.at(m));
        break;
    case MarkChange::Erased:
        env_.playClick();
        rows_.hideBar(word.row(), word.slot());
        break;
    case MarkChange::None:
        break;
    }
}

void WordMarking::wordEnter() {
    if (setup_.frozen() || tools.current() == kNoTool) return;
    env_.playEnter();
    env_.setCursor(kHandCursor);
}

void WordMarking::wordLeave() {
    if (!setup_.frozen()) env_.setCursor(kPointerCursor);
}

std::vector<std::string> clausePrintLines(const SentenceTable& table, const RunFlow& flow) {
    std::vector<std::string> lines;
    for (int i = 1; i <= flow.runLength(); ++i) {
        std::string line;
        for (const PPravidla& clause : table.sentence(flow.draw(i)))
            line += clause.text;
        lines.push_back(cutToCharacters(line, kPrintLineLength));
    }
    return lines;
}

} // namespace framework
