#pragma once
// Marking whole clauses with tools: each clause of a sentence is one label of a word row; the
// main-clause tool underlines it in red, the subordinate-clause tool in blue, the eraser takes the
// underline away. A clause marked with one tool keeps its mark until it is erased. A row is right
// when every clause carries exactly the mark its code gives.
#include "framework/ToolButtons.h"
#include "framework/WordRows.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace framework {

class RunFlow;

inline constexpr int kClauseSlots = 7;
inline constexpr std::int32_t kMainClause = 1;
inline constexpr std::int32_t kSubordinateClause = 2;
inline constexpr ui::Color kMainClauseColour = 255;             // pure red
inline constexpr ui::Color kSubordinateClauseColour = 16711680; // pure blue

// The colour of a clause code's underline, none for a clause without a mark.
std::optional<ui::Color> clauseColour(std::int32_t code);

// The three tool buttons (96 x 59, normal, lit and selected pictures) with their top-left corner.
ToolButtons::Tool mainClauseTool(int left, int top);
ToolButtons::Tool subordinateClauseTool(int left, int top);
ToolButtons::Tool clauseEraserTool(int left, int top);

struct ClauseMarkingSetup {
    WordRowGeometry geometry; // slots at most kClauseSlots
    std::vector<ToolButtons::Tool> tools;
    std::vector<std::string> unmarkable; // a label whose whole text is one of these takes no mark
    std::function<bool()> frozen;        // the page has been checked: clauses ignore clicks
    std::function<void()> beforeClick;   // runs first on every tool click and clause press
};

class ClauseMarking {
public:
    // Creates the rows of clause labels with their bars, then the tool buttons, on `parent`.
    ClauseMarking(ui::Control& parent, shell::Pozadi& env, ClauseMarkingSetup setup);

    ToolButtons tools;
    WordRows& rows() { return rows_; }
    const WordRows& rows() const { return rows_; }

    // Lays sentence `s` out in row r and takes the row's key from the clause codes: a code that one
    // of the tools gives must be marked so, any other code must stay unmarked.
    void layout(int r, const Sentence& s);
    // Row r emptied for a new example, or hidden under the cover of a last page of five.
    void clear(int r) { rows_.clear(r); }
    void hide(int r) { rows_.hide(r); }
    // All marks and keys back to 0.
    void clearMarks();
    // Every clause of row r carries the mark of its key.
    bool judge(int r) const;

    std::int32_t mark(int r, int k) const { return marks_.at(std::size_t(r - 1)).at(std::size_t(k - 1)); }
    std::int32_t key(int r, int k) const { return keys_.at(std::size_t(r - 1)).at(std::size_t(k - 1)); }

    // A press of the left button on a clause (the current tool's mark), entering and leaving one.
    void clauseDown(WordLabel& clause);
    void clauseEnter();
    void clauseLeave();

private:
    using Row = std::array<std::int32_t, kClauseSlots>;

    shell::Pozadi& env_;
    ClauseMarkingSetup setup_;
    WordRows rows_;
    std::vector<Row> marks_;
    std::vector<Row> keys_;
};

// The worksheet lines of a drawn run: each example's clauses joined without separators, cut at 255
// characters.
std::vector<std::string> clausePrintLines(const SentenceTable& table, const RunFlow& flow);

} // namespace framework
