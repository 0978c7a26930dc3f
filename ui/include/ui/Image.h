#pragma once
// A picture drawn at 0,0 of the control (not stretched, cut off by the control's edge).
#include "ui/Bitmap.h"
#include "ui/Control.h"

#include <string>

namespace ui {

class Image;

// Draws lines onto an image's picture with the pen's colour and width.
class ImageCanvas {
public:
    explicit ImageCanvas(Image& image) : image_(image) {}
    Color penColor = colors::Black;
    int penWidth = 1;
    void moveTo(int x, int y) { pos_ = {x, y}; }
    // Draws from the pen position to (x, y), leaving out the end point, and moves the pen there.
    void lineTo(int x, int y);

private:
    Image& image_;
    Point pos_;
};

class Image : public Control {
public:
    Image() = default;

    const Bitmap& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.empty(); }
    void setPicture(const Bitmap& b);
    void setPicture(Bitmap&& b);
    // Loads a BMP file (platform::FileError when it cannot be read).
    void loadPicture(const std::string& path);
    // No picture: the parent shows through.
    void clearPicture();
    // Pixels of the colour of the picture's bottom-left pixel are left out.
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);

    // Lines drawn on the picture; an image without picture first gets a white one of its size.
    ImageCanvas& canvas() { return canvas_; }
    // The picture for changes in place; call invalidate() afterwards.
    Bitmap& editPicture();

protected:
    void paint(Painter& p) override;

private:
    Bitmap picture_;
    bool transparent_ = false;
    ImageCanvas canvas_{*this};
};

} // namespace ui
