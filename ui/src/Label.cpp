#include "ui/Label.h"

#include "ui/TextMetrics.h"

#include <SDL.h>
#include <algorithm>

namespace ui {

Label::Label() {
    adjustSize();
}

void Label::setText(std::string t) {
    if (t == text_) return;
    text_ = std::move(t);
    adjustSize();
    invalidate();
}

void Label::setFontSize(int points) {
    if (points == fontSize_) return;
    fontSize_ = points;
    adjustSize();
    invalidate();
}

void Label::setBold(bool b) {
    if (b == bold_) return;
    bold_ = b;
    adjustSize();
    invalidate();
}

void Label::setNarrow(bool n) {
    if (n == narrow_) return;
    narrow_ = n;
    adjustSize();
    invalidate();
}

void Label::setIndent(int pixels) {
    if (pixels == indent_) return;
    indent_ = pixels;
    invalidate();
}

void Label::setFontColor(Color c) {
    if (c == fontColor_) return;
    fontColor_ = c;
    invalidate();
}

void Label::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    invalidate();
}

void Label::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

void Label::setAutoSize(bool a) {
    if (a == autoSize_) return;
    autoSize_ = a;
    adjustSize();
}

void Label::setAlignment(Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    invalidate();
}

void Label::setLayout(TextLayout l) {
    if (l == layout_) return;
    layout_ = l;
    invalidate();
}

int Label::textWidth() const {
    return measureText(text_, fontSize_, bold_, narrow_).width;
}

FittedFont Label::drawnFont() const {
    if (autoSize_ || text_.empty()) return {fontSize_, narrow_};
    return fitTexts({text_}, width() - 2 * indent_, fontSize_, bold_, narrow_);
}

void Label::adjustSize() {
    if (!autoSize_) return;
    TextSize s = measureText(text_.empty() ? " " : text_, fontSize_, bold_, narrow_);
    applyBounds({left(), top(), s.width, s.height});
}

void Label::paint(Painter& p) {
    if (!transparent_) p.fillRect(clientRect(), color_);
    const FittedFont font = drawnFont();
    SDL_Surface* s = rendered_.get(text_, font.points, bold_, fontColor_, font.narrow);
    if (!s) return;
    int x = alignment_ == Alignment::Left    ? indent_
            : alignment_ == Alignment::Right ? width() - indent_ - s->w
                                             : (width() - s->w) / 2;
    // A fitted font sits on the baseline of the label's own font.
    const int baselineShift = font == FittedFont{fontSize_, narrow_}
                                  ? 0
                                  : measureText({}, fontSize_, bold_, narrow_).ascent -
                                        measureText({}, font.points, bold_, font.narrow).ascent;
    int y = layout_ == TextLayout::Top      ? baselineShift
            : layout_ == TextLayout::Bottom ? height() - s->h
                                            : (height() - s->h) / 2;
    // Lifted back to the baseline, but never above the box: a tall accented capital keeps its mark
    // and sits a pixel low instead.
    if (const int drop =
            font.narrow && layout_ != TextLayout::Bottom ? textDrop(text_, font.points, bold_, true) : 0)
        y = std::max(y - drop, std::min(y, 0));
    p.drawSurface(s, x, y);
}

} // namespace ui
