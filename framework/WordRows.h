#pragma once
// Rows of word labels with an underline bar under each word: the row controls of the exercises
// that show a sentence word by word, their layout (font fitting, tops by size, placement) and the
// bars that show how the pupil marked a word.
#include "framework/RowLayout.h"
#include "framework/RowPart.h"
#include "framework/SentenceFile.h"

#include <ui/Label.h>
#include <ui/Panel.h>

#include <functional>
#include <vector>

namespace framework {

// One word (TMujLabel): its row (1 to 10) and slot (1 to W).
class WordLabel : public ui::Label {
public:
    WordLabel(int row, int slot) : row_(row), slot_(slot) {}
    int row() const { return row_; }
    int slot() const { return slot_; }

private:
    int row_, slot_;
};

// The underline bar of one word (TMujPanel).
class UnderlineBar : public ui::Panel {};

struct WordRowGeometry {
    int slots = 15;
    int pitch = 33;     // pixels from one row to the next
    int topOffset = 62; // a word label's top at the form's size: pitch * row + topOffset
    int firstLeft = 18;
    int fitLimit = 470; // the joined words must fit this at the fitted size
    bool bars = true;   // an underline bar under each word (at the label's top + 17)
    // Texts that follow the word before them without a gap.
    std::function<bool(std::string_view)> sticks = sticksToPrevious;
    // Words drawn bold (none when empty).
    std::function<bool(const PPravidla&)> bold{};
};

// The sentence's words; as a row part it only shows them (it is always right).
class WordRows : public RowPart {
public:
    // Creates rows x slots labels (and bars) on `parent`, row by row, hidden.
    WordRows(ui::Control& parent, WordRowGeometry geometry, int rows = 10);

    const WordRowGeometry& geometry() const { return geometry_; }
    WordLabel& label(int r, int k) const { return *labels_.at(index(r, k)); }
    // Only with WordRowGeometry::bars.
    UnderlineBar& bar(int r, int k) const { return *bars_.at(index(r, k)); }

    // Lays sentence `s` out in row r: fitted size, tops by size, lefts by the words' widths (in
    // bold where `bold`, or else the geometry's bold, says so).
    void layout(int r, const Sentence& s, const std::function<bool(const PPravidla&)>& bold);
    void layout(int r, const Sentence& s) override { layout(r, s, geometry_.bold); }
    // Empties row r: labels cleared, hidden, Tag 0; bars hidden.
    void clear(int r) override;
    // Hides row r's labels and bars.
    void hide(int r) override;
    bool judge(int, const Sentence&) override { return true; }
    // Shows the bar under word (r, k) in a colour, as wide as the word.
    void showBar(int r, int k, ui::Color colour);
    void hideBar(int r, int k);

private:
    std::size_t index(int r, int k) const { return std::size_t((r - 1) * geometry_.slots + (k - 1)); }

    WordRowGeometry geometry_;
    std::vector<WordLabel*> labels_;
    std::vector<UnderlineBar*> bars_;
};

// The texts of a sentence's first `slots` slots.
std::vector<std::string> slotTexts(const Sentence& s, int slots);

// The form font's widths, for fitting and placing.
int measureFormText(std::string_view text, int points, bool bold);

} // namespace framework
