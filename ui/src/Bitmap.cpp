#include "ui/Bitmap.h"

#include "ui/Painter.h"

#include "platform/errors.h"

#include <SDL.h>
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
    if (surface->format->format == SDL_PIXELFORMAT_XRGB8888) {
        surface_ = std::move(surface);
        return;
    }
    surface_.reset(SDL_ConvertSurfaceFormat(surface.get(), SDL_PIXELFORMAT_XRGB8888, 0));
    if (!surface_) throw std::runtime_error(std::string("Cannot convert a picture: ") + SDL_GetError());
}

Bitmap Bitmap::load(const std::string& path) {
    SurfacePtr raw(SDL_LoadBMP(path.c_str()));
    if (!raw)
        throw platform::FileError(path, std::string("Cannot read the picture (") + SDL_GetError() + ")");
    return Bitmap(std::move(raw));
}

Bitmap::Bitmap(const Bitmap& other) {
    if (other.surface_) surface_.reset(SDL_DuplicateSurface(other.surface_.get()));
    if (other.surface_ && !surface_) throw std::runtime_error("Cannot copy a picture");
}

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this != &other) *this = Bitmap(other);
    return *this;
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
    Painter(surface_.get(), {0, 0}, {0, 0, width(), height()}).fillRect(area, c);
}

void Bitmap::drawLine(Point from, Point to, Color c, int penWidth) {
    if (!surface_) return;
    Painter(surface_.get(), {0, 0}, {0, 0, width(), height()}).drawLine(from, to, c, penWidth);
}

Bitmap Bitmap::copy(const Rect& area) const {
    Bitmap out(area.width, area.height, colors::Black);
    if (surface_)
        Painter(out.surface(), {-area.left, -area.top}, {0, 0, area.width, area.height})
            .drawBitmap(*this, 0, 0);
    return out;
}

} // namespace ui
