#include "framework/CommaRows.h"

#include "framework/ExerciseContext.h"

#include <algorithm>

namespace framework {

// ---------------------------------------------------------------- the eraser

void TGumaImage::mouseEnter() {
    if (active) rows_.eraserEnter(*this);
}

void TGumaImage::mouseLeave() {
    rows_.eraserLeave(*this);
}

void TGumaImage::mouseDown(const ui::MouseEvent& e) {
    if (e.button == ui::MouseButton::Left && active) rows_.erase(row());
}

// ---------------------------------------------------------------- the rows

CommaRows::CommaRows(ui::Control& parent, const ScreenServices& env, CommaRowGeometry geometry, int rows,
                     std::function<bool()> frozen, std::function<void()> beforePress)
    : env_(env), geometry_(std::move(geometry)), frozen_(std::move(frozen)),
      beforePress_(std::move(beforePress)), commas_(std::size_t(rows), 0) {
    for (int r = 1; r <= rows; ++r) {
        for (int k = 1; k <= geometry_.slots; ++k) {
            CommaLabel& word = parent.add<CommaLabel>(r, k);
            word.setName("Slovo" + std::to_string(r) + "_" + std::to_string(k));
            word.setBounds(geometry_.firstLeft, geometry_.pitch * r + geometry_.wordTop, word.width(), 20);
            word.setTransparent(false);
            word.setColor(ui::colors::White);
            word.hide();
            word.OnMouseDown = [this, &word](ui::Control&, const ui::MouseEvent& e) {
                if (beforePress_) beforePress_();
                if (e.button == ui::MouseButton::Left) placeComma(word);
            };
            word.OnMouseEnter = [this](ui::Control&) {
                if (frozen_()) return;
                env_.playEnter();
                env_.setCursor(kHandCursor);
            };
            word.OnMouseLeave = [this](ui::Control&) {
                if (!frozen_()) env_.setCursor(kPointerCursor);
            };
            labels_.push_back(&word);
        }
        TGumaImage& eraser = parent.add<TGumaImage>(*this, r);
        eraser.setName("Guma" + std::to_string(r));
        const ui::Rect& e = geometry_.eraser;
        eraser.setBounds(e.left, geometry_.pitch * r + e.top, e.width, e.height);
        eraser.setTransparent(true);
        if (geometry_.eraserHint) eraser.setHint(geometry_.eraserHint);
        erasers_.push_back(&eraser);
    }
}

void CommaRows::showWords(int r, const Sentence& s, int first, int last, int top, int size) {
    int left = geometry_.firstLeft;
    for (int k = first; k <= last && k <= int(s.size()); ++k) {
        const std::string& text = s[std::size_t(k - 1)].text;
        if (text.empty()) continue;
        CommaLabel& word = label(r, k);
        word.setAutoSize(true);
        word.setFontSize(size);
        word.setText(text);
        word.setAutoSize(false);
        word.setBounds(left, top, word.width() + geometry_.commaRoom, word.height());
        word.show();
        left += word.width();
    }
}

// A placed comma widens its word by the comma's width and moves the rest of the word's line as
// far, so that the comma room stays a gap before the next word.
void CommaRows::widen(CommaLabel& word, int by) {
    word.setBounds(word.left(), word.top(), word.width() + by, word.height());
    for (int k = word.slot() + 1; k <= geometry_.slots; ++k) {
        CommaLabel& next = label(word.row(), k);
        if (next.visible() && next.top() == word.top())
            next.setBounds(next.left() + by, next.top(), next.width(), next.height());
    }
}

int CommaRows::commaWidth(const CommaLabel& word) {
    return measureFormText(",", word.fontSize(), word.bold());
}

void CommaRows::placeComma(CommaLabel& word) {
    if (frozen_() || word.commaPlaced) return;
    env_.playClick();
    int& count = commas_.at(std::size_t(word.row() - 1));
    ++count;
    word.setText(word.text() + ",");
    word.commaPlaced = true;
    widen(word, commaWidth(word));
    if (count == 1) eraser(word.row()).loadPicture(env_.cd(geometry_.eraserPicture));
}

void CommaRows::erase(int r) {
    env_.playClick();
    for (int k = 1; k <= geometry_.slots; ++k) {
        CommaLabel& word = label(r, k);
        if (!word.commaPlaced) continue;
        std::string text = word.text();
        std::erase(text, ',');
        word.setText(text);
        word.commaPlaced = false;
        widen(word, -commaWidth(word));
    }
    commas_.at(std::size_t(r - 1)) = 0;
}

// The eraser shows itself under the mouse even on a row without commas.
void CommaRows::eraserEnter(TGumaImage& eraser) {
    if (commas(eraser.row()) == 0) eraser.loadPicture(env_.cd(geometry_.eraserPicture));
    env_.playEnter();
    env_.setCursor(kHandCursor);
    eraser.setShowHint(true);
}

// The tooltip goes with the mouse, so that a frozen eraser does not offer to erase.
void CommaRows::eraserLeave(TGumaImage& eraser) {
    if (commas(eraser.row()) == 0) eraser.clearPicture();
    env_.setCursor(kPointerCursor);
    eraser.setShowHint(false);
}

void CommaRows::layout(int r, const Sentence& s) {
    if (geometry_.arrange) return geometry_.arrange(*this, r, s);
    const int size = fitFontSize(slotTexts(s, geometry_.slots), geometry_.fitLimit, measureFormText);
    showWords(r, s, 1, geometry_.slots, topForSize(geometry_.pitch * r + geometry_.wordTop, size), size);
}

void CommaRows::reset(int r) {
    const int top = geometry_.pitch * r + geometry_.wordTop;
    for (int k = 1; k <= geometry_.slots; ++k) {
        CommaLabel& word = label(r, k);
        word.setText({});
        word.hide();
        word.setAutoSize(true);
        word.commaPlaced = false;
        word.setBounds(geometry_.firstLeft, top, word.width(), word.height());
    }
    TGumaImage& e = eraser(r);
    e.show();
    e.active = true;
    e.clearPicture();
    commas_.at(std::size_t(r - 1)) = 0;
}

void CommaRows::hide(int r) {
    for (int k = 1; k <= geometry_.slots; ++k)
        label(r, k).hide();
    eraser(r).hide();
}

bool CommaRows::commasMatch(int r, const Sentence& s) const {
    for (int k = 1; k <= geometry_.slots; ++k) {
        const std::int32_t code = k <= int(s.size()) ? s[std::size_t(k - 1)].code : 0;
        if (label(r, k).commaPlaced != (code == kCommaAfter)) return false;
    }
    return true;
}

std::vector<bool> CommaRows::placed(int r) const {
    std::vector<bool> out;
    for (int k = 1; k <= geometry_.slots; ++k)
        out.push_back(label(r, k).commaPlaced);
    return out;
}

std::vector<CommaMark> commaMarks(const Sentence& s, const std::vector<bool>& placed) {
    std::vector<CommaMark> marks;
    for (std::size_t k = 0; k < std::max(s.size(), placed.size()); ++k) {
        const bool belongs = k < s.size() && s[k].code == kCommaAfter;
        const bool put = k < placed.size() && placed[k];
        marks.push_back(belongs ? (put ? CommaMark::Right : CommaMark::Missed)
                                : (put ? CommaMark::Wrong : CommaMark::None));
    }
    return marks;
}

std::vector<MarkedText> markedCommaPieces(const Sentence& s, const std::vector<bool>& placed) {
    const std::vector<CommaMark> marks = commaMarks(s, placed);
    std::vector<MarkedText> pieces;
    for (std::size_t k = 0; k < s.size(); ++k) {
        const std::string& word = s[k].text;
        if (word.empty()) continue;
        MarkedText piece(word + (s[k].code == kCommaAfter ? ", " : " "));
        if (marks[k] == CommaMark::Missed) piece.marks.push_back({word.size(), 1, AnswerMark::MissedComma});
        if (marks[k] == CommaMark::Wrong) piece.marks.push_back({word.size(), 0, AnswerMark::WrongComma});
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::vector<std::string> commaPieces(const Sentence& s) {
    std::vector<std::string> pieces;
    for (const PPravidla& slot : s)
        if (!slot.text.empty()) pieces.push_back(slot.text + (slot.code == kCommaAfter ? ", " : " "));
    return pieces;
}

std::string commaSentence(const Sentence& s) {
    std::string text;
    for (const std::string& piece : commaPieces(s)) {
        const bool closes = piece.starts_with('.') || piece.starts_with('?') || piece.starts_with('!');
        if (closes && text.ends_with(' ')) text.pop_back();
        text += piece;
    }
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

} // namespace framework
