#include "ui/Label.h"

#include "ui/TextMetrics.h"

#include <SDL.h>

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
    return measureText(text_, fontSize_, bold_).width;
}

void Label::adjustSize() {
    if (!autoSize_) return;
    TextSize s = measureText(text_.empty() ? " " : text_, fontSize_, bold_);
    applyBounds({left(), top(), s.width, s.height});
}

void Label::paint(Painter& p) {
    if (!transparent_) p.fillRect(clientRect(), color_);
    SDL_Surface* s = rendered_.get(text_, fontSize_, bold_, fontColor_);
    if (!s) return;
    int x = alignment_ == Alignment::Left    ? 0
            : alignment_ == Alignment::Right ? width() - s->w
                                             : (width() - s->w) / 2;
    int y = layout_ == TextLayout::Top      ? 0
            : layout_ == TextLayout::Bottom ? height() - s->h
                                            : (height() - s->h) / 2;
    p.drawSurface(s, x, y);
}

} // namespace ui
