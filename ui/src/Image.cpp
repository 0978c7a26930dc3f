#include "ui/Image.h"

#include "ui/Painter.h"

namespace ui {

void ImageCanvas::lineTo(int x, int y) {
    image_.editPicture().drawLine(pos_, {x, y}, penColor, penWidth);
    pos_ = {x, y};
    image_.invalidate();
}

void Image::setPicture(const Bitmap& b) {
    setPicture(Bitmap(b));
}

void Image::setPicture(Bitmap&& b) {
    picture_ = std::move(b);
    invalidate();
}

void Image::loadPicture(const std::string& path) {
    setPicture(Bitmap::load(path));
}

void Image::clearPicture() {
    if (picture_.empty()) return;
    picture_.clear();
    invalidate();
}

void Image::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

Bitmap& Image::editPicture() {
    if (picture_.empty()) picture_ = Bitmap(width(), height(), colors::White);
    return picture_;
}

void Image::paint(Painter& p) {
    if (picture_.empty()) return;
    if (transparent_)
        p.drawBitmapKeyed(picture_, 0, 0, picture_.pixel(0, picture_.height() - 1));
    else
        p.drawBitmap(picture_, 0, 0);
}

} // namespace ui
