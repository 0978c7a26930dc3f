#include "ui/Edit.h"

#include "ui/Application.h"
#include "ui/TextMetrics.h"

#include <SDL.h>
#include <algorithm>

namespace ui {

namespace {

constexpr int kBorder = 2; // the sunken edge
constexpr int kPadding = 1;

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int charCount(const std::string& s) {
    return int(std::count_if(s.begin(), s.end(), [](char c) { return !isContinuation(c); }));
}

// Byte offset of character `chars` (clamped to the end).
std::size_t byteOffset(const std::string& s, int chars) {
    std::size_t i = 0;
    for (; i < s.size() && chars > 0; --chars)
        for (++i; i < s.size() && isContinuation(s[i]); ++i) {
        }
    return i;
}

} // namespace

Edit::Edit() {
    applyBounds({0, 0, 121, 24});
}

void Edit::setText(std::string t) {
    replaceText(std::move(t), -1);
}

void Edit::replaceText(std::string t, int caret) {
    if (maxLength_ > 0 && charCount(t) > maxLength_) t.resize(byteOffset(t, maxLength_));
    if (t == text_) return;
    text_ = std::move(t);
    caret_ = caret < 0 ? charCount(text_) : std::min(caret, charCount(text_));
    invalidate();
    change();
    if (OnChange) OnChange(*this);
}

void Edit::setMaxLength(int chars) {
    maxLength_ = std::max(chars, 0);
}

void Edit::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    invalidate();
}

void Edit::setReadOnly(bool r) {
    readOnly_ = r;
}

void Edit::setBorder(bool b) {
    if (b == border_) return;
    border_ = b;
    invalidate();
}

void Edit::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    invalidate();
}

void Edit::setFontSize(int points) {
    if (points == fontSize_) return;
    fontSize_ = points;
    invalidate();
}

void Edit::setFontColor(Color c) {
    if (c == fontColor_) return;
    fontColor_ = c;
    invalidate();
}

void Edit::setCaret(int chars) {
    chars = std::clamp(chars, 0, charCount(text_));
    if (chars == caret_) return;
    caret_ = chars;
    invalidate();
}

void Edit::textInput(const std::string& typed) {
    std::string ch = typed;
    keyPress(ch);
    if (!ch.empty() && OnKeyPress) OnKeyPress(*this, ch);
    if (ch.empty() || readOnly_) return;
    if (ch == "\b") {
        if (caret_ == 0) return;
        std::string t = text_;
        std::size_t from = byteOffset(t, caret_ - 1);
        t.erase(from, byteOffset(t, caret_) - from);
        replaceText(std::move(t), caret_ - 1);
        return;
    }
    if (static_cast<unsigned char>(ch[0]) < 0x20) return; // other control characters have no glyph
    if (maxLength_ > 0 && charCount(text_) + charCount(ch) > maxLength_) return;
    std::string t = text_;
    t.insert(byteOffset(t, caret_), ch);
    replaceText(std::move(t), caret_ + charCount(ch));
}

bool Edit::keyDown(const KeyEvent& e) {
    switch (e.key) {
    case SDLK_BACKSPACE:
        textInput("\b");
        return true;
    case SDLK_DELETE:
        if (!readOnly_ && caret_ < charCount(text_)) {
            std::string t = text_;
            std::size_t from = byteOffset(t, caret_);
            t.erase(from, byteOffset(t, caret_ + 1) - from);
            replaceText(std::move(t), caret_);
        }
        return true;
    case SDLK_LEFT:
        setCaret(caret_ - 1);
        return true;
    case SDLK_RIGHT:
        setCaret(caret_ + 1);
        return true;
    case SDLK_HOME:
        setCaret(0);
        return true;
    case SDLK_END:
        setCaret(charCount(text_));
        return true;
    default:
        return false;
    }
}

void Edit::focusChanged(bool focused) {
    if (focused) SDL_StartTextInput();
}

int Edit::textX() const {
    const int inner = width() - 2 * (border_ ? kBorder : 0) - 2 * kPadding;
    const int w = measureText(text_, fontSize_).width;
    int x = alignment_ == Alignment::Left ? 0 : alignment_ == Alignment::Right ? inner - w : (inner - w) / 2;
    return (border_ ? kBorder : 0) + kPadding + std::max(x, 0) - scroll_;
}

int Edit::charsFit(int x) const {
    // The caret goes to the character boundary nearest to x.
    const int origin = textX();
    int best = 0, bestDistance = std::abs(x - origin);
    for (int i = 1, n = charCount(text_); i <= n; ++i) {
        int cx =
            origin + measureText(std::string_view(text_).substr(0, byteOffset(text_, i)), fontSize_).width;
        if (std::abs(x - cx) < bestDistance) {
            best = i;
            bestDistance = std::abs(x - cx);
        }
    }
    return best;
}

void Edit::mouseDown(const MouseEvent& e) {
    if (e.button == MouseButton::Left) setCaret(charsFit(e.x));
}

void Edit::paint(Painter& p) {
    if (height() <= 0 || width() <= 0) return;
    p.fillRect(clientRect(), color_);
    const int edge = border_ ? kBorder : 0;
    if (border_) {
        p.bevel(clientRect(), false);
        p.bevel({1, 1, width() - 2, height() - 2}, false);
    }
    // Keep the caret inside the field when the text is wider than it.
    const int inner = width() - 2 * edge - 2 * kPadding;
    const int caretOffset =
        measureText(std::string_view(text_).substr(0, byteOffset(text_, caret_)), fontSize_).width;
    if (caretOffset - scroll_ > inner - 1) scroll_ = caretOffset - inner + 1;
    if (caretOffset < scroll_) scroll_ = caretOffset;
    Painter inside = p.child({edge, edge, width() - 2 * edge, height() - 2 * edge});
    SDL_Surface* s = rendered_.get(text_, fontSize_, false, fontColor_);
    const int lineHeight = measureText("", fontSize_).height;
    const int y = (height() - 2 * edge - lineHeight) / 2;
    const int x = textX() - edge;
    if (s) inside.drawSurface(s, x, y);
    if (focused()) {
        inside.fillRect({x + caretOffset, std::max(y, 0), 1, std::min(lineHeight, height() - 2 * edge)},
                        fontColor_);
    }
}

} // namespace ui
