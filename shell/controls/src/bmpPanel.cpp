#include "controls/bmpPanel.h"

#include "ui/Painter.h"

namespace controls {

void TbmpPanel::setBitmap(const ui::Bitmap& b) {
    bitmap_ = b;
    repaint();
}

void TbmpPanel::paint(ui::Painter& p) {
    Panel::paint(p);
    const int w = bitmap_.width(), h = bitmap_.height();
    if (bitmap_.empty() || w <= 0 || h <= 0) return;
    for (int y = 0; y < height(); y += h)
        for (int x = 0; x < width(); x += w)
            p.drawBitmap(bitmap_, x, y);
}

} // namespace controls
