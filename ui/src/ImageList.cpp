#include "ui/ImageList.h"

#include "ui/Image.h"

namespace ui {

int ImageList::add(const Bitmap& strip) {
    if (width_ <= 0 || height_ <= 0) return 0;
    int n = strip.width() / width_;
    for (int i = 0; i < n; ++i)
        frames_.push_back(strip.copy({i * width_, 0, width_, height_}));
    return n;
}

bool ImageList::copyTo(int index, Image& image) const {
    if (index < 0 || index >= count()) return false;
    image.setPicture(frames_[std::size_t(index)]);
    return true;
}

} // namespace ui
