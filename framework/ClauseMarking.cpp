#include "framework/ClauseMarking.h"

#include "framework/PrintSheet.h"
#include "framework/RunFlow.h"

#include <shell/Pozadi.h>

#include <algorithm>
#include <stdexcept>

namespace framework {

namespace {

ToolButtons::Tool tool(const char* name, const char* picture, std::int32_t code, int left, int top) {
    std::vector<std::string> pictures;
    for (const char* state : {"0", "1", "2"})
        pictures.push_back(std::string("\\Bitmap\\Games\\") + picture + state + ".bmp");
    return {name, {left, top, 96, 59}, code, std::move(pictures)};
}

const WordRowGeometry& checkedGeometry(const WordRowGeometry& geometry) {
    if (geometry.slots > kClauseSlots) throw std::invalid_argument("too many clause slots");
    return geometry;
}

} // namespace

std::optional<ui::Color> clauseColour(std::int32_t code) {
    if (code == kMainClause) return kMainClauseColour;
    if (code == kSubordinateClause) return kSubordinateClauseColour;
    return std::nullopt;
}

ToolButtons::Tool mainClauseTool(int left, int top) {
    return tool("IHlavni", "ctrl_hl", kMainClause, left, top);
}

ToolButtons::Tool subordinateClauseTool(int left, int top) {
    return tool("IVedlejsi", "ctrl_ve", kSubordinateClause, left, top);
}

ToolButtons::Tool clauseEraserTool(int left, int top) {
    return tool("ISmazat", "ctrl_sm", kEraseTool, left, top);
}

ClauseMarking::ClauseMarking(ui::Control& parent, shell::Pozadi& env, ClauseMarkingSetup setup)
    : tools(env, 96, 59), env_(env), setup_(std::move(setup)),
      rows_(parent, checkedGeometry(setup_.geometry)), marks_(10), keys_(10) {
    tools.create(parent, setup_.tools, setup_.beforeClick);
    for (int r = 1; r <= 10; ++r)
        for (int k = 1; k <= setup_.geometry.slots; ++k) {
            WordLabel& clause = rows_.label(r, k);
            clause.OnMouseDown = [this, &clause](ui::Control&, const ui::MouseEvent& e) {
                if (e.button == ui::MouseButton::Left) clauseDown(clause);
            };
            clause.OnMouseEnter = [this](ui::Control&) { clauseEnter(); };
            clause.OnMouseLeave = [this](ui::Control&) { clauseLeave(); };
        }
}

void ClauseMarking::layout(int r, const Sentence& s) {
    rows_.layout(r, s);
    Row& key = keys_.at(std::size_t(r - 1));
    for (int k = 1; k <= setup_.geometry.slots && k <= int(s.size()); ++k) {
        const std::int32_t code = s[std::size_t(k - 1)].code;
        const bool marked = std::any_of(setup_.tools.begin(), setup_.tools.end(),
                                        [code](const ToolButtons::Tool& t) { return t.code == code; });
        key[std::size_t(k - 1)] = code != kNoTool && marked ? code : 0;
    }
}

void ClauseMarking::clearMarks() {
    std::fill(marks_.begin(), marks_.end(), Row{});
    std::fill(keys_.begin(), keys_.end(), Row{});
}

bool ClauseMarking::judge(int r) const {
    return marksMatch(marks_.at(std::size_t(r - 1)), keys_.at(std::size_t(r - 1)));
}

void ClauseMarking::clauseDown(WordLabel& clause) {
    if (setup_.beforeClick) setup_.beforeClick();
    if (setup_.frozen() || std::ranges::find(setup_.unmarkable, clause.text()) != setup_.unmarkable.end())
        return;
    std::int32_t& m = marks_.at(std::size_t(clause.row() - 1)).at(std::size_t(clause.slot() - 1));
    switch (applyTool(tools.current(), m)) {
    case MarkChange::Marked:
        env_.playClick();
        rows_.showBar(clause.row(), clause.slot(), *clauseColour(m));
        break;
    case MarkChange::Erased:
        env_.playClick();
        rows_.hideBar(clause.row(), clause.slot());
        break;
    case MarkChange::None:
        break;
    }
}

void ClauseMarking::clauseEnter() {
    if (setup_.frozen() || tools.current() == kNoTool) return;
    env_.playEnter();
    env_.setCursor(shell::crRuka);
}

void ClauseMarking::clauseLeave() {
    if (!setup_.frozen()) env_.setCursor(shell::crSipka);
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
