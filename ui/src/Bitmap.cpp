#include "ui/Bitmap.h"

#include "ui/Painter.h"
#include "ui/PictureFile.h"

#include <SDL.h>
#include <algorithm>
#include <stdexcept>

namespace ui {

void SurfaceDeleter::operator()(SDL_Surface* s) const {
    SDL_FreeSurface(s);
}

SurfacePtr makeSurface(int width, int height) {
    SurfacePtr s(SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1), 32,
                                                SDL_PIXELFORMAT_XRGB8888));
    if (!s) throw std::runtime_error(std::string("Cannot create a picture: ") + SDL_GetError());
    return s;
}

Bitmap::Bitmap(int width, int height, Color fill) : surface_(makeSurface(width, height)) {
    this->fill({0, 0, width, height}, fill);
}

Bitmap::Bitmap(SurfacePtr surface) {
    if (!surface) return;
    if (surface->format->format != SDL_PIXELFORMAT_XRGB8888) {
        surface.reset(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_XRGB8888, 0));
        if (!surface) throw std::runtime_error(std::string("Cannot convert a picture: ") + SDL_GetError());
    }
    surface_ = std::shared_ptr<SDL_Surface>(surface.release(), SurfaceDeleter());
}

Bitmap Bitmap::load(const std::string& path) {
    return PictureCache::instance().load(path);
}

void Bitmap::makeOwn() {
    if (!surface_ || surface_.use_count() == 1) return;
    SurfacePtr own(SDL_DuplicateSurface(surface_.get()));
    if (!own) throw std::runtime_error("Cannot copy a picture");
    surface_ = std::shared_ptr<SDL_Surface>(own.release(), SurfaceDeleter());
}

int Bitmap::width() const {
    return surface_ ? surface_->w : 0;
}

int Bitmap::height() const {
    return surface_ ? surface_->h : 0;
}

Color Bitmap::pixel(int x, int y) const {
    if (!surface_ || x < 0 || y < 0 || x >= surface_->w || y >= surface_->h) return colors::Black;
    auto row = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch;
    Uint32 v = reinterpret_cast<const Uint32*>(row)[x];
    return Color::rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void Bitmap::fill(const Rect& area, Color c) {
    if (!surface_) return;
    makeOwn();
    Painter(surface_.get(), {0, 0}, {0, 0, width(), height()}).fillRect(area, c);
}

void Bitmap::drawLine(Point from, Point to, Color c, int penWidth) {
    if (!surface_) return;
    makeOwn();
    Painter(surface_.get(), {0, 0}, {0, 0, width(), height()}).drawLine(from, to, c, penWidth);
}

Bitmap Bitmap::copy(const Rect& area) const {
    Bitmap out(area.width, area.height, colors::Black);
    if (surface_)
        Painter(out.surface(), {-area.left, -area.top}, {0, 0, area.width, area.height})
            .drawBitmap(*this, 0, 0);
    return out;
}

// ---------------------------------------------------------------- the picture cache

PictureCache& PictureCache::instance() {
    static PictureCache cache;
    return cache;
}

Bitmap PictureCache::load(const std::string& path) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    if (it != entries_.end()) {
        std::rotate(it, it + 1, entries_.end()); // now the most recently used
        Bitmap b;
        b.surface_ = entries_.back().surface;
        return b;
    }
    Bitmap b(readPictureFile(path));
    ++decodes_;
    const std::size_t size = std::size_t(b.surface_->pitch) * std::size_t(b.surface_->h);
    entries_.push_back({path, b.surface_, size});
    bytes_ += size;
    trim();
    return b;
}

void PictureCache::setBudget(std::size_t bytes) {
    budget_ = bytes;
    trim();
}

void PictureCache::forget(const std::string& path) {
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.path == path; });
    if (it == entries_.end()) return;
    bytes_ -= it->bytes;
    entries_.erase(it);
}

void PictureCache::clear() {
    entries_.clear();
    bytes_ = 0;
    decodes_ = 0;
}

void PictureCache::trim() {
    // Only pictures that nothing else holds cost memory of their own: those are let go, the least
    // recently used first, until they fit the budget.
    std::size_t idle = 0;
    for (const Entry& e : entries_)
        if (e.surface.use_count() == 1) idle += e.bytes;
    for (auto it = entries_.begin(); idle > budget_ && it != entries_.end();) {
        if (it->surface.use_count() != 1) {
            ++it;
            continue;
        }
        idle -= it->bytes;
        bytes_ -= it->bytes;
        it = entries_.erase(it);
    }
}

} // namespace ui
