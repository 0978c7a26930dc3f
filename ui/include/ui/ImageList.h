#pragma once
// Pictures of one size: a strip added to the list is cut into frames from left to right.
#include "ui/Bitmap.h"

#include <vector>

namespace ui {

class Image;

class ImageList {
public:
    ImageList(int frameWidth, int frameHeight) : width_(frameWidth), height_(frameHeight) {}

    int frameWidth() const { return width_; }
    int frameHeight() const { return height_; }
    int count() const { return int(frames_.size()); }
    // Adds as many frames as whole frame widths fit in the strip; returns how many.
    int add(const Bitmap& strip);
    void clear() { frames_.clear(); }
    const Bitmap& frame(int index) const { return frames_.at(std::size_t(index)); }
    // Copies frame `index` into the image's picture (invalidating it); false (image unchanged) when
    // there is no such frame.
    bool copyTo(int index, Image& image) const;

private:
    int width_;
    int height_;
    std::vector<Bitmap> frames_;
};

} // namespace ui
