#include "canvas.h"

#include <platform/errors.h>

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include <zstd.h>

namespace assets {

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb lighter(Rgb c, double t) {
    return mix(c, {1, 1, 1}, t);
}
Rgb darker(Rgb c, double t) {
    return mix(c, {0, 0, 0}, t);
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void fillAll(cairo_t* cr, Rgb c) {
    setColour(cr, c);
    cairo_paint(cr);
}

void roundedRect(cairo_t* cr, Box b, double radius) {
    const double r = std::min({radius, b.w / 2, b.h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, b.x + b.w - r, b.y + r, r, -pi / 2, 0);
    cairo_arc(cr, b.x + b.w - r, b.y + b.h - r, r, 0, pi / 2);
    cairo_arc(cr, b.x + r, b.y + b.h - r, r, pi / 2, pi);
    cairo_arc(cr, b.x + r, b.y + r, r, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void fillRounded(cairo_t* cr, Box b, double radius, Rgb c, double alpha) {
    roundedRect(cr, b, radius);
    setColour(cr, c, alpha);
    cairo_fill(cr);
}

void strokeRounded(cairo_t* cr, Box b, double radius, Rgb c, double width, double alpha) {
    // Keep the stroke inside the box so that neighbouring pictures never overlap.
    roundedRect(cr, b.inset(width / 2), std::max(0.0, radius - width / 2));
    setColour(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void fillRoundedGradient(cairo_t* cr, Box b, double radius, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, b.y, 0, b.bottom());
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    roundedRect(cr, b, radius);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void shadowRounded(cairo_t* cr, Box b, double radius, double offset, double alpha) {
    // A few widening, fading layers make a soft edge without a blur filter.
    for (int i = 3; i >= 1; --i) {
        const double grow = i * 0.8;
        Box s{b.x - grow + offset / 2, b.y - grow + offset, b.w + 2 * grow, b.h + 2 * grow};
        fillRounded(cr, s, radius + grow, {0, 0, 0}, alpha / (i + 1));
    }
}

void fillCircle(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * pi);
    setColour(cr, c, alpha);
    cairo_fill(cr);
}

std::string escapeMarkup(std::string_view text) {
    gchar* e = g_markup_escape_text(text.data(), static_cast<gssize>(text.size()));
    std::string out(e);
    g_free(e);
    return out;
}

namespace {

PangoLayout* makeLayout(cairo_t* cr, std::string_view markup, const TextStyle& s, double size, double width) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), fo);
    cairo_font_options_destroy(fo);
    pango_layout_context_changed(layout);

    PangoFontDescription* fd = pango_font_description_from_string("Liberation Sans, DejaVu Sans");
    pango_font_description_set_absolute_size(fd, size * PANGO_SCALE);
    pango_font_description_set_weight(fd, s.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout, fd);
    pango_font_description_free(fd);

    if (s.wrap) {
        pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
    }
    pango_layout_set_line_spacing(layout, static_cast<float>(s.lineSpacing));
    pango_layout_set_alignment(layout, s.align == Align::Left     ? PANGO_ALIGN_LEFT
                                       : s.align == Align::Centre ? PANGO_ALIGN_CENTER
                                                                  : PANGO_ALIGN_RIGHT);
    pango_layout_set_markup(layout, markup.data(), static_cast<int>(markup.size()));
    return layout;
}

} // namespace

double drawMarkup(cairo_t* cr, std::string_view markup, Box box, const TextStyle& s) {
    double size = s.size;
    PangoLayout* layout = nullptr;
    PangoRectangle ink{}, logical{};
    for (;;) {
        layout = makeLayout(cr, markup, s, size, box.w);
        pango_layout_get_pixel_extents(layout, &ink, &logical);
        const bool fits = logical.width <= box.w + 0.5 && logical.height <= box.h + 0.5;
        if (fits || size - 0.5 < s.minSize) break;
        g_object_unref(layout);
        size -= 0.5;
    }
    double x = box.x;
    if (!s.wrap) {
        if (s.align == Align::Centre)
            x = box.x + (box.w - logical.width) / 2 - logical.x;
        else if (s.align == Align::Right)
            x = box.right() - logical.width - logical.x;
    }
    double y = box.y;
    if (s.valign == VAlign::Middle)
        y = box.y + (box.h - logical.height) / 2;
    else if (s.valign == VAlign::Bottom)
        y = box.bottom() - logical.height;
    setColour(cr, s.colour);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    return logical.height;
}

double measureMarkup(cairo_t* cr, std::string_view markup, double width, const TextStyle& s) {
    PangoLayout* layout = makeLayout(cr, markup, s, s.size, width);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    g_object_unref(layout);
    return h;
}

double drawText(cairo_t* cr, std::string_view text, Box box, const TextStyle& style) {
    return drawMarkup(cr, escapeMarkup(text), box, style);
}

Picture::Picture(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), cr_(cairo_create(surface_)) {}

Picture::~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

namespace {
void put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(std::vector<unsigned char>& b, unsigned v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
} // namespace

std::vector<unsigned char> Picture::bmpFile() const {
    cairo_surface_flush(surface_);
    const unsigned stride = (static_cast<unsigned>(width_) * 3 + 3) & ~3u;
    const unsigned imageSize = stride * static_cast<unsigned>(height_);
    std::vector<unsigned char> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, 54 + imageSize); // file size
    put32(out, 0);              // reserved
    put32(out, 54);             // offset of the pixels
    put32(out, 40);             // BITMAPINFOHEADER
    put32(out, static_cast<unsigned>(width_));
    put32(out, static_cast<unsigned>(height_)); // positive: bottom-up
    put16(out, 1);                              // planes
    put16(out, 24);                             // bits per pixel
    put32(out, 0);                              // BI_RGB
    put32(out, imageSize);
    put32(out, 3780); // 96 dpi
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);

    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int srcStride = cairo_image_surface_get_stride(surface_);
    for (int y = height_ - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * srcStride);
        unsigned written = 0;
        for (int x = 0; x < width_; ++x) {
            // Pictures are painted opaque; drop alpha (premultiplied values equal straight ones).
            const uint32_t p = row[x];
            out.push_back(p & 0xFF);
            out.push_back((p >> 8) & 0xFF);
            out.push_back((p >> 16) & 0xFF);
            written += 3;
        }
        for (; written < stride; ++written)
            out.push_back(0);
    }

    return out;
}

void Picture::savePackedBmp(const std::filesystem::path& path, int level) const {
    const std::vector<unsigned char> bmp = bmpFile();
    std::vector<unsigned char> packed(ZSTD_compressBound(bmp.size()));
    std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> cctx(ZSTD_createCCtx(), ZSTD_freeCCtx);
    if (!cctx) throw platform::FileError(path.string(), "cannot compress picture: out of memory");
    // The program refuses frames without a checksum: damage shows as an error, never as pixels.
    ZSTD_CCtx_setParameter(cctx.get(), ZSTD_c_compressionLevel, level);
    ZSTD_CCtx_setParameter(cctx.get(), ZSTD_c_checksumFlag, 1);
    const std::size_t n = ZSTD_compress2(cctx.get(), packed.data(), packed.size(), bmp.data(), bmp.size());
    if (ZSTD_isError(n))
        throw platform::FileError(path.string(),
                                  std::string("cannot compress picture: ") + ZSTD_getErrorName(n));
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw platform::FileError(path.string(), "cannot create picture");
    f.write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(n));
    if (!f) throw platform::FileError(path.string(), "cannot write picture");
}

} // namespace assets
