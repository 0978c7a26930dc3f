#pragma once
// Drawing onto a surface through an origin and a clip rectangle. Controls paint themselves with
// coordinates of their own; the painter shifts them to the target and never draws outside the clip.
#include "ui/Bitmap.h"
#include "ui/Geometry.h"

#include <string>

namespace ui {

enum class Alignment { Left, Right, Center };

class Painter {
public:
    // `origin` and `clip` are in the target's coordinates.
    Painter(SDL_Surface* target, Point origin, Rect clip);

    SDL_Surface* target() const { return target_; }
    Point origin() const { return origin_; }
    Rect clip() const { return clip_; }
    // The clip in the painter's own coordinates.
    Rect localClip() const { return clip_.moved(-origin_.x, -origin_.y); }
    // A painter for a child area at `area` (own coordinates), clipped to it.
    Painter child(const Rect& area) const;

    void fillRect(const Rect& area, Color c);
    void frameRect(const Rect& area, Color c);
    // The 3-D edge of buttons and panels: light top and left, dark bottom and right when raised.
    void bevel(const Rect& area, bool raised);
    void drawBitmap(const Bitmap& bitmap, int x, int y);
    // Leaves out every pixel of colour `key`.
    void drawBitmapKeyed(const Bitmap& bitmap, int x, int y, Color key);
    // Draws any surface with its own blend mode (rendered text is alpha-blended).
    void drawSurface(SDL_Surface* surface, int x, int y);
    void drawLine(Point from, Point to, Color c, int penWidth = 1);
    // One line of text, top-left at x, y (uncached; labels keep their own rendering).
    void drawText(const std::string& text, int x, int y, int points, bool bold, Color c);

private:
    SDL_Surface* target_;
    Point origin_;
    Rect clip_;
};

// Text rendered once and reused until the text, font or colour changes.
class CachedText {
public:
    // The rendered text (nullptr for an empty text).
    SDL_Surface* get(const std::string& text, int points, bool bold, Color c, bool narrow = false);

private:
    std::string text_;
    int points_ = 0;
    bool bold_ = false;
    bool narrow_ = false;
    Color color_;
    SurfacePtr surface_;
    bool valid_ = false;
};

} // namespace ui
