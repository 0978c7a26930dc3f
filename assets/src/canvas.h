#pragma once
// Drawing helpers shared by every picture of the installation tree: colours, rounded shapes,
// text laid out by Pango, and the 24-bit BMP writer.
#include <cairo.h>

#include <filesystem>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace assets {

inline constexpr double pi = std::numbers::pi;

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// 0xRRGGBB
constexpr Rgb hex(unsigned v) {
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}
Rgb mix(Rgb a, Rgb b, double t);
Rgb lighter(Rgb c, double t); // towards white
Rgb darker(Rgb c, double t);  // towards black

void setColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void fillAll(cairo_t* cr, Rgb c);

struct Box {
    double x = 0, y = 0, w = 0, h = 0;
    Box inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
    double right() const { return x + w; }
    double bottom() const { return y + h; }
    double cx() const { return x + w / 2; }
    double cy() const { return y + h / 2; }
};

void roundedRect(cairo_t* cr, Box b, double radius);
void fillRounded(cairo_t* cr, Box b, double radius, Rgb c, double alpha = 1.0);
void strokeRounded(cairo_t* cr, Box b, double radius, Rgb c, double width, double alpha = 1.0);
// A vertical gradient from `top` to `bottom` inside a rounded rectangle.
void fillRoundedGradient(cairo_t* cr, Box b, double radius, Rgb top, Rgb bottom);
// A soft drop shadow below a rounded rectangle.
void shadowRounded(cairo_t* cr, Box b, double radius, double offset = 2, double alpha = 0.25);
void fillCircle(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha = 1.0);

enum class Align { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

struct TextStyle {
    double size = 14; // pixels
    bool bold = false;
    Rgb colour{1, 1, 1};
    Align align = Align::Left;
    VAlign valign = VAlign::Top;
    double minSize = 8; // the text shrinks down to this size to fit its box
    bool wrap = true;
    double lineSpacing = 1.0;
};

// Pango markup inside `box`; shrinks until it fits. Returns the height the text took.
double drawMarkup(cairo_t* cr, std::string_view markup, Box box, const TextStyle& style);
// Height that the markup takes at exactly `style.size` when wrapped to `width`.
double measureMarkup(cairo_t* cr, std::string_view markup, double width, const TextStyle& style);
// Plain text (escaped for Pango).
double drawText(cairo_t* cr, std::string_view text, Box box, const TextStyle& style);
std::string escapeMarkup(std::string_view text);

// An ARGB32 cairo image of the given size; owns the surface and its context.
class Picture {
public:
    Picture(int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // The picture as an uncompressed 24-bit BMP file, bottom-up, rows padded to four bytes.
    std::vector<unsigned char> bmpFile() const;
    // That BMP file compressed with zstd at `level` (one frame that states its size and carries a
    // checksum), written to
    // `path`. Throws FileError.
    void savePackedBmp(const std::filesystem::path& path, int level) const;

private:
    int width_, height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

} // namespace assets
