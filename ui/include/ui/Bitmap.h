#pragma once
// A picture held in the canvas's pixel format (32-bit XRGB), so that drawing it needs no conversion.
#include "ui/Geometry.h"

#include <memory>
#include <string>

struct SDL_Surface;

namespace ui {

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const;
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// A new surface in the canvas format; throws std::runtime_error when SDL cannot allocate it.
SurfacePtr makeSurface(int width, int height);

class Bitmap {
public:
    Bitmap() = default;
    // A picture of the given size filled with one colour.
    Bitmap(int width, int height, Color fill = colors::White);
    // Takes over any SDL surface, converting it to the canvas format.
    explicit Bitmap(SurfacePtr surface);
    // Reads a BMP file; a missing or unreadable file raises platform::FileError.
    static Bitmap load(const std::string& path);

    Bitmap(const Bitmap& other);
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    int width() const;
    int height() const;
    bool empty() const { return !surface_; }
    void clear() { surface_.reset(); }
    SDL_Surface* surface() const { return surface_.get(); }

    Color pixel(int x, int y) const;
    void fill(const Rect& area, Color c);
    // A line drawn with a square pen of `penWidth` pixels; the end point itself is not drawn.
    void drawLine(Point from, Point to, Color c, int penWidth = 1);
    // A copy of part of the picture (the part outside the picture stays black).
    Bitmap copy(const Rect& area) const;

private:
    SurfacePtr surface_;
};

} // namespace ui
