#pragma once
// Points, rectangles and colours of the toolkit.
#include <algorithm>
#include <cstdint>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(Point, Point) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= left && p.x < right() && p.y >= top && p.y < bottom(); }
    Rect moved(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    Rect intersected(const Rect& o) const {
        int l = std::max(left, o.left), t = std::max(top, o.top);
        int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
        return {l, t, std::max(0, r - l), std::max(0, b - t)};
    }
    Rect united(const Rect& o) const {
        if (empty()) return o;
        if (o.empty()) return *this;
        int l = std::min(left, o.left), t = std::min(top, o.top);
        return {l, t, std::max(right(), o.right()) - l, std::max(bottom(), o.bottom()) - t};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour written as the program's colour numbers are: 0x00BBGGRR (9526306 is a blue).
struct Color {
    std::uint32_t bgr = 0;

    constexpr Color() = default;
    constexpr Color(std::uint32_t value) : bgr(value & 0xFFFFFFu) {}
    static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Color(std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16);
    }
    constexpr std::uint8_t r() const { return bgr & 0xFF; }
    constexpr std::uint8_t g() const { return (bgr >> 8) & 0xFF; }
    constexpr std::uint8_t b() const { return (bgr >> 16) & 0xFF; }
    friend constexpr bool operator==(Color, Color) = default;
};

namespace colors {
constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color Red = 0x0000FF;
constexpr Color Blue = 0xFF0000;
constexpr Color Gray = 0x808080;
constexpr Color Silver = 0xC0C0C0;
constexpr Color BtnFace = 0xC8D0D4; // the grey of panels and dialogs
constexpr Color BtnShadow = 0x808080;
constexpr Color BtnHighlight = 0xFFFFFF;
constexpr Color InfoBk = 0xE1FFFF;  // the pale yellow of tooltips
constexpr Color Caption = 0x6A240A; // the dark blue of a dialog's title bar
} // namespace colors

} // namespace ui
