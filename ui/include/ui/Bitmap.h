#pragma once
// A picture held in the canvas's pixel format (32-bit XRGB), so that drawing it needs no conversion.
// Copies share their pixels until one of them is drawn on (fill, drawLine), which then gets its own.
#include "ui/Geometry.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

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
    // Reads a BMP file, kept compressed or not (see PictureFile.h); a missing, unreadable or damaged
    // file raises platform::FileError. A picture is decoded once: later loads of the same path share
    // it (see PictureCache).
    static Bitmap load(const std::string& path);

    int width() const;
    int height() const;
    bool empty() const { return !surface_; }
    void clear() { surface_.reset(); }
    // For reading and drawing from; the pixels may be shared with other copies, so never write
    // through it (fill and drawLine do, after making them this picture's own).
    SDL_Surface* surface() const { return surface_.get(); }
    // Whether two pictures share their pixels.
    bool sharesPixelsWith(const Bitmap& other) const { return surface_ && surface_ == other.surface_; }

    Color pixel(int x, int y) const;
    void fill(const Rect& area, Color c);
    // A line drawn with a square pen of `penWidth` pixels; the end point itself is not drawn.
    void drawLine(Point from, Point to, Color c, int penWidth = 1);
    // A copy of part of the picture (the part outside the picture stays black).
    Bitmap copy(const Rect& area) const;

private:
    friend class PictureCache;
    void makeOwn();
    std::shared_ptr<SDL_Surface> surface_;
};

// The pictures Bitmap::load has decoded, by path, for the whole session: screens load the same
// button, background and mark pictures again and again (each hover, each check). Pictures still
// in use cost nothing extra, as they share their pixels; when the others pass `budget` bytes, those
// used longest ago are let go (checked at each decode).
class PictureCache {
public:
    static PictureCache& instance();
    Bitmap load(const std::string& path);
    // Files read and decoded so far (not answered from the cache).
    int decodes() const { return decodes_; }
    // Pixels held, in use elsewhere or not.
    std::size_t bytes() const { return bytes_; }
    void setBudget(std::size_t bytes);
    // Drops the picture of one path (the program has just written that file).
    void forget(const std::string& path);
    void clear();

private:
    struct Entry {
        std::string path;
        std::shared_ptr<SDL_Surface> surface;
        std::size_t bytes;
    };
    void trim();
    std::vector<Entry> entries_; // the most recently used last
    std::size_t bytes_ = 0;
    std::size_t budget_ = std::size_t(6) << 20;
    int decodes_ = 0;
};

} // namespace ui
