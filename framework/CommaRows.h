#pragma once
// Comma rows: a sentence shown without its commas as words on white labels placed edge to edge,
// each with room for a comma at its right; a press on a word puts a comma after it, and an eraser
// (TGumaImage) beside the row takes all the row's commas away again. A row is right when the
// commas stand exactly after the words whose code is 1.
#include "framework/ExerciseContext.h"
#include "framework/MarkedText.h"
#include "framework/RowLayout.h"
#include "framework/RowPart.h"
#include "framework/SentenceFile.h"
#include "framework/WordRows.h"

#include <ui/Image.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace framework {

inline constexpr std::int32_t kCommaAfter = 1;

// A word of a comma row (TMujLabel with its comma-placed flag).
class CommaLabel : public WordLabel {
public:
    using WordLabel::WordLabel;
    bool commaPlaced = false;
};

class CommaRows;

// The eraser of one row: active until the page is checked.
class TGumaImage : public ui::Image {
public:
    TGumaImage(CommaRows& rows, int row) : rows_(rows) { setTag(row); }
    int row() const { return tag(); }
    bool active = true;

protected:
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(const ui::MouseEvent& e) override;

private:
    CommaRows& rows_;
};

struct CommaRowGeometry {
    int slots = 15;
    int pitch = 36;   // pixels from one row to the next
    int wordTop = 59; // a word's top at the form's size: pitch * r + wordTop
    int firstLeft = 18;
    int commaRoom = 6;         // pixels added to each word's width
    ui::Rect eraser{};         // left, pitch * r + top, width, height
    std::string eraserPicture; // relative to the CD root
    const char* eraserHint = nullptr;
    // The row's words in one line at the largest size at which they, joined without spaces, fit
    // this many pixels; an exercise with another arrangement gives `arrange`.
    int fitLimit = 0;
    std::function<void(CommaRows&, int r, const Sentence&)> arrange{};
};

// As a row part: a row is right when every comma stands where the sentence has one.
class CommaRows : public RowPart {
public:
    // Creates the word labels (hidden, opaque white) and the eraser of rows 1 to `rows` on
    // `parent`, row by row. Words and erasers react only while `frozen` says the page is not yet
    // checked; `beforePress` (if any) runs first on every press on a word.
    CommaRows(ui::Control& parent, const ScreenServices& env, CommaRowGeometry geometry, int rows,
              std::function<bool()> frozen, std::function<void()> beforePress = {});

    const CommaRowGeometry& geometry() const { return geometry_; }
    CommaLabel& label(int r, int k) const { return *labels_.at(index(r, k)); }
    TGumaImage& eraser(int r) const { return *erasers_.at(std::size_t(r - 1)); }
    // Commas the pupil has put into row r since it was laid out or erased.
    int commas(int r) const { return commas_.at(std::size_t(r - 1)); }

    // Shows the non-empty words of slots `first` to `last` (1-based) of `s` in row r at `top`, in
    // `size` points: the first at the row's first left, each further one where the one before ends;
    // each label is its text's width plus the comma room.
    void showWords(int r, const Sentence& s, int first, int last, int top, int size = kFormFontSize);
    // The press on a word: a comma after it, unless it has one (the first comma of the row shows
    // the eraser); the comma takes its own width, the words after it on its line move right.
    void placeComma(CommaLabel& word);
    // The eraser's press: every comma of the row removed.
    void erase(int r);
    // A new example: words emptied, hidden, sized to their text again, without comma, back at the
    // row's first place; eraser shown, active, without picture; no commas counted.
    void reset(int r);
    // Row r under the cover of a last page of five.
    void hide(int r) override;
    // After the check: the eraser no longer reacts.
    void freeze(int r) { eraser(r).active = false; }

    void layout(int r, const Sentence& s) override;
    void clear(int r) override { reset(r); }
    bool judge(int r, const Sentence& s) override {
        freeze(r);
        return commasMatch(r, s);
    }
    bool answered(int r) const override { return commas(r) > 0; }
    // Whether every word's comma-placed flag is its code (a comma where the sentence has one).
    bool commasMatch(int r, const Sentence& s) const;
    // Per slot of row r, whether the pupil put a comma after its word.
    std::vector<bool> placed(int r) const;

private:
    friend class TGumaImage;
    std::size_t index(int r, int k) const { return std::size_t((r - 1) * geometry_.slots + (k - 1)); }
    void widen(CommaLabel& word, int by);
    static int commaWidth(const CommaLabel& word);
    void eraserEnter(TGumaImage& eraser);
    void eraserLeave(TGumaImage& eraser);

    const ScreenServices& env_;
    CommaRowGeometry geometry_;
    std::function<bool()> frozen_;
    std::function<void()> beforePress_;
    std::vector<CommaLabel*> labels_;
    std::vector<TGumaImage*> erasers_;
    std::vector<int> commas_;
};

// The correct sentence as pieces: each non-empty word followed by ", " when a comma belongs after
// it and by " " otherwise.
std::vector<std::string> commaPieces(const Sentence& s);
// What became of the place after each word (per slot of `s`): the pupil's commas (`placed`, per
// slot) against the sentence's.
enum class CommaMark { None, Right, Missed, Wrong };
std::vector<CommaMark> commaMarks(const Sentence& s, const std::vector<bool>& placed);
// commaPieces with the pupil's mistakes marked: a comma left out on the comma of its piece, a comma
// put where none belongs after the piece's word.
std::vector<MarkedText> markedCommaPieces(const Sentence& s, const std::vector<bool>& placed);

// The sentence with its commas as one line, no space before a full stop or a question mark.
std::string commaSentence(const Sentence& s);

} // namespace framework
