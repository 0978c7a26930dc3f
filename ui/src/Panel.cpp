#include "ui/Panel.h"
#include "ui/Shape.h"

#include "ui/Painter.h"

#include <algorithm>
#include <cmath>

namespace ui {

void Panel::setColor(Color c) {
    if (c == color_) return;
    color_ = c;
    invalidate();
}

void Panel::setBevel(Bevel b) {
    if (b == bevel_) return;
    bevel_ = b;
    invalidate();
}

void Panel::paint(Painter& p) {
    p.fillRect(clientRect(), color_);
    if (bevel_ != Bevel::None) p.bevel(clientRect(), bevel_ == Bevel::Raised);
}

void Shape::setKind(ShapeKind k) {
    if (k == kind_) return;
    kind_ = k;
    invalidate();
}

void Shape::setBrushColor(Color c) {
    if (c == brushColor_) return;
    brushColor_ = c;
    invalidate();
}

void Shape::setFilled(bool f) {
    if (f == filled_) return;
    filled_ = f;
    invalidate();
}

void Shape::setPenColor(Color c) {
    if (c == penColor_) return;
    penColor_ = c;
    invalidate();
}

void Shape::setPenWidth(int w) {
    if (w == penWidth_) return;
    penWidth_ = w;
    invalidate();
}

void Shape::paint(Painter& p) {
    const int w = width(), h = height(), pen = std::max(penWidth_, 0);
    if (kind_ == ShapeKind::Rectangle) {
        if (filled_) p.fillRect(clientRect(), brushColor_);
        for (int i = 0; i < pen; ++i)
            p.frameRect({i, i, w - 2 * i, h - 2 * i}, penColor_);
        return;
    }
    // Ellipse: each row is filled between the outer edge, the outline between the outer and the
    // inner edge (the inner ellipse is smaller by the pen width).
    const double cx = w / 2.0, cy = h / 2.0;
    auto halfWidth = [](double rx, double ry, double dy) {
        if (rx <= 0 || ry <= 0 || std::abs(dy) >= ry) return -1.0;
        return rx * std::sqrt(1.0 - (dy * dy) / (ry * ry));
    };
    for (int y = 0; y < h; ++y) {
        double dy = y + 0.5 - cy;
        double outer = halfWidth(cx, cy, dy);
        if (outer < 0) continue;
        double inner = halfWidth(cx - pen, cy - pen, dy);
        int ol = int(std::lround(cx - outer)), orr = int(std::lround(cx + outer));
        if (inner < 0) {
            p.fillRect({ol, y, orr - ol, 1}, pen > 0 ? penColor_ : brushColor_);
            continue;
        }
        int il = int(std::lround(cx - inner)), ir = int(std::lround(cx + inner));
        if (filled_) p.fillRect({il, y, ir - il, 1}, brushColor_);
        if (pen > 0) {
            p.fillRect({ol, y, il - ol, 1}, penColor_);
            p.fillRect({ir, y, orr - ir, 1}, penColor_);
        }
    }
}

} // namespace ui
