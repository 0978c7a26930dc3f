#include "ui/Painter.h"

#include "ui/TextMetrics.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdlib>

namespace ui {

namespace {

Uint32 toPixel(Color c) {
    return Uint32(c.r()) << 16 | Uint32(c.g()) << 8 | c.b();
}

SDL_Rect toSdl(const Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

Painter::Painter(SDL_Surface* target, Point origin, Rect clip)
    : target_(target), origin_(origin), clip_(clip.intersected({0, 0, target->w, target->h})) {}

Painter Painter::child(const Rect& area) const {
    Rect abs = area.moved(origin_.x, origin_.y);
    return Painter(target_, {abs.left, abs.top}, clip_.intersected(abs));
}

void Painter::fillRect(const Rect& area, Color c) {
    Rect r = area.moved(origin_.x, origin_.y).intersected(clip_);
    if (r.empty()) return;
    SDL_Rect sr = toSdl(r);
    SDL_FillRect(target_, &sr, toPixel(c));
}

void Painter::frameRect(const Rect& a, Color c) {
    fillRect({a.left, a.top, a.width, 1}, c);
    fillRect({a.left, a.bottom() - 1, a.width, 1}, c);
    fillRect({a.left, a.top, 1, a.height}, c);
    fillRect({a.right() - 1, a.top, 1, a.height}, c);
}

void Painter::bevel(const Rect& a, bool raised) {
    Color light = raised ? colors::BtnHighlight : colors::BtnShadow;
    Color dark = raised ? colors::BtnShadow : colors::BtnHighlight;
    fillRect({a.left, a.top, a.width, 1}, light);
    fillRect({a.left, a.top, 1, a.height}, light);
    fillRect({a.left, a.bottom() - 1, a.width, 1}, dark);
    fillRect({a.right() - 1, a.top, 1, a.height}, dark);
}

void Painter::drawSurface(SDL_Surface* surface, int x, int y) {
    if (!surface || clip_.empty()) return;
    SDL_Rect clip = toSdl(clip_);
    SDL_SetClipRect(target_, &clip);
    SDL_Rect dst{origin_.x + x, origin_.y + y, surface->w, surface->h};
    SDL_BlitSurface(surface, nullptr, target_, &dst);
    SDL_SetClipRect(target_, nullptr);
}

void Painter::drawBitmap(const Bitmap& bitmap, int x, int y) {
    drawSurface(bitmap.surface(), x, y);
}

void Painter::drawBitmapKeyed(const Bitmap& bitmap, int x, int y, Color key) {
    SDL_Surface* s = bitmap.surface();
    if (!s) return;
    SDL_SetColorKey(s, SDL_TRUE, toPixel(key));
    drawSurface(s, x, y);
    SDL_SetColorKey(s, SDL_FALSE, 0);
}

void Painter::drawLine(Point from, Point to, Color c, int penWidth) {
    // Bresenham with a square pen; like the original canvas, the end point is left out.
    int w = std::max(penWidth, 1);
    int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int err = dx + dy;
    Point p = from;
    while (p != to) {
        fillRect({p.x - w / 2, p.y - w / 2, w, w}, c);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void Painter::drawText(const std::string& text, int x, int y, int points, bool bold, Color c) {
    CachedText once;
    drawSurface(once.get(text, points, bold, c), x, y);
}

SDL_Surface* CachedText::get(const std::string& text, int points, bool bold, Color c, bool narrow) {
    if (valid_ && text == text_ && points == points_ && bold == bold_ && narrow == narrow_ && c == color_)
        return surface_.get();
    text_ = text;
    points_ = points;
    bold_ = bold;
    narrow_ = narrow;
    color_ = c;
    valid_ = true;
    surface_.reset();
    if (!text.empty()) {
        SDL_Color fg{c.r(), c.g(), c.b(), 255};
        surface_.reset(TTF_RenderUTF8_Blended(formFont(points, bold, narrow), text.c_str(), fg));
    }
    return surface_.get();
}

} // namespace ui
