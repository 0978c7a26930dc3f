#pragma once
// Marking words with tools: each word (or whole clause) of a sentence is one label of a word row;
// a marking tool underlines it in the colour of the tool's code, the eraser takes the underline
// away, and a word marked with one tool keeps its mark until it is erased. A row is right when
// every word carries exactly the mark its code gives (a code no tool gives: no mark). Exercise 01
// marks subject and predicate among fifteen words, 10 and 11 main and subordinate clauses.
#include "framework/ExerciseContext.h"
#include "framework/RowPart.h"
#include "framework/ToolButtons.h"
#include "framework/WordRows.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

class RunFlow;

inline constexpr int kClauseSlots = 7;
inline constexpr int kMarkedSlots = 15; // the most words a marked row has
inline constexpr std::int32_t kMainClause = 1;
inline constexpr std::int32_t kSubordinateClause = 2;
inline constexpr ui::Color kMainClauseColour = 255;             // pure red
inline constexpr ui::Color kSubordinateClauseColour = 16711680; // pure blue

// The colour of a clause code's underline, none for a clause without a mark.
std::optional<ui::Color> clauseColour(std::int32_t code);
// The underline colours of the clause codes.
std::map<std::int32_t, ui::Color> clauseColours();

// A tool button (96 x 59) with the pictures "<picture>0.bmp" (normal), 1 (lit) and 2 (selected)
// of \Bitmap\Games, at its top-left corner.
ToolButtons::Tool markingTool(const char* name, const char* picture, std::int32_t code, int left, int top);

// The three tool buttons (96 x 59, normal, lit and selected pictures) with their top-left corner.
ToolButtons::Tool mainClauseTool(int left, int top);
ToolButtons::Tool subordinateClauseTool(int left, int top);
ToolButtons::Tool clauseEraserTool(int left, int top);

// A word whose whole text is one of `texts`.
std::function<bool(std::string_view)> textIsOneOf(std::vector<std::string> texts);

struct WordMarkingSetup {
    WordRowGeometry geometry; // slots at most kMarkedSlots
    std::vector<ToolButtons::Tool> tools;
    std::map<std::int32_t, ui::Color> colours;        // the underline of each marking tool's code
    std::function<bool(std::string_view)> unmarkable; // a word that takes no mark (none when empty)
    std::function<bool()> frozen;                     // the page has been checked: words ignore clicks
    std::function<void()> beforeClick;                // runs first on every tool click and word press
};

// One marking tool `name` (pictures `picture`0 to 2, code 1, underline `colour`) at 207, 421 and the
// eraser ISmazat at 337, 421, over fifteen words fitted to `fitLimit`; ".", "?" and "!" take no mark.
WordMarkingSetup oneToolMarking(const char* name, const char* picture, ui::Color colour, int fitLimit,
                                std::function<bool()> frozen, std::function<void()> beforeClick = {});

// As a row part: a row is right when every word carries the mark of its key; the tools are the
// part's.
class WordMarking : public RowPart {
public:
    // Creates the rows of word labels with their bars, then the tool buttons, on `parent`.
    WordMarking(ui::Control& parent, const ScreenServices& env, WordMarkingSetup setup, int rows = 10);

    ToolButtons tools;
    WordRows& rows() { return rows_; }
    const WordRows& rows() const { return rows_; }

    // Lays sentence `s` out in row r and takes the row's key from the clause codes: a code that one
    // of the tools gives must be marked so, any other code must stay unmarked.
    void layout(int r, const Sentence& s) override;
    // Row r emptied for a new example, or hidden under the cover of a last page of five.
    void clear(int r) override { rows_.clear(r); }
    void hide(int r) override { rows_.hide(r); }
    // All marks and keys back to 0.
    void clearMarks();
    // Every clause of row r carries the mark of its key.
    bool judge(int r) const;
    bool judge(int r, const Sentence&) override { return judge(r); }
    void clearAnswers() override { clearMarks(); }
    bool answered(int r) const override;
    void loadPictures() override { tools.loadPictures(); }
    void resetTools() override { tools.reset(); }
    void lockTools() override { tools.lock(); }

    std::int32_t mark(int r, int k) const { return marks_.at(std::size_t(r - 1)).at(std::size_t(k - 1)); }
    std::int32_t key(int r, int k) const { return keys_.at(std::size_t(r - 1)).at(std::size_t(k - 1)); }

    // A press of the left button on a word (the current tool's mark), entering and leaving one.
    void wordDown(WordLabel& word);
    void wordEnter();
    void wordLeave();

private:
    using Row = std::array<std::int32_t, kMarkedSlots>;

    const ScreenServices& env_;
    WordMarkingSetup setup_;
    WordRows rows_;
    std::vector<Row> marks_;
    std::vector<Row> keys_;
};

// The worksheet lines of a drawn run: each example's clauses joined without separators, cut at 255
// characters.
std::vector<std::string> clausePrintLines(const SentenceTable& table, const RunFlow& flow);

} // namespace framework
