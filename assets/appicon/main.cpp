// Draws the program's own icon: a sheet with a sentence whose subject is underlined once (red) and
// whose predicate twice (blue), and a pencil, on the menu's blue. Writes
//  - <out>/brevion.svg, the scalable icon;
//  - <out>/hicolor/<N>x<N>/apps/brevion.png for the usual theme sizes;
//  - a C++ header with the 64x64 picture as straight (not premultiplied) ARGB pixels, which the
//    program gives its window at start.
//
//   brevion-icons --out <folder> --header <file.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

struct Rgb {
    double r, g, b;
};
constexpr Rgb hex(unsigned v) {
    return {((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}
// The palette of the program's pictures.
constexpr Rgb cardHigh = hex(0x3A80C0), menuBlue = hex(0x21598C), navy = hex(0x163C61);
constexpr Rgb paper = hex(0xFFFFFF), rule = hex(0xD5E3F2), ink = hex(0x1D2733), muted = hex(0xA9C3DC);
constexpr Rgb subject = hex(0xE0453A), predicate = hex(0x1F5FD6);
constexpr Rgb wood = hex(0xFFC94A), rubber = hex(0xF27EA6), shaved = hex(0xF3D9B1);

void colour(cairo_t* cr, Rgb c, double alpha = 1) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void rounded(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void bar(cairo_t* cr, double x, double y, double w, double h, Rgb c) {
    rounded(cr, x, y, w, h, h / 2);
    colour(cr, c);
    cairo_fill(cr);
}

// The icon on a 256x256 design grid; the caller scales.
void drawIcon(cairo_t* cr) {
    // Background tile.
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 8, 0, 248);
    cairo_pattern_add_color_stop_rgb(fill, 0, cardHigh.r, cardHigh.g, cardHigh.b);
    cairo_pattern_add_color_stop_rgb(fill, 1, menuBlue.r, menuBlue.g, menuBlue.b);
    rounded(cr, 8, 8, 240, 240, 44);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);

    // The sheet, with its shadow and notebook rules.
    rounded(cr, 36, 42, 184, 150, 16);
    colour(cr, navy, 0.45);
    cairo_fill(cr);
    rounded(cr, 32, 34, 184, 150, 16);
    colour(cr, paper);
    cairo_fill(cr);
    for (double y : {88.0, 140.0}) {
        cairo_rectangle(cr, 46, y + 22, 156, 3);
        colour(cr, rule);
        cairo_fill(cr);
    }

    // First line: subject (underlined once) and predicate (underlined twice).
    bar(cr, 48, 60, 64, 22, ink);
    bar(cr, 124, 60, 78, 22, ink);
    cairo_rectangle(cr, 46, 88, 68, 8);
    colour(cr, subject);
    cairo_fill(cr);
    cairo_rectangle(cr, 122, 87, 82, 6);
    cairo_rectangle(cr, 122, 98, 82, 6);
    colour(cr, predicate);
    cairo_fill(cr);
    // Second line: plain words.
    bar(cr, 48, 120, 44, 18, muted);
    bar(cr, 102, 120, 70, 18, muted);

    // The pencil, lying across the lower right corner.
    cairo_save(cr);
    cairo_translate(cr, 176, 196);
    cairo_rotate(cr, -M_PI / 4);
    const double len = 150, th = 30;
    rounded(cr, -len / 2 - 8, -th / 2, 30, th, 8);
    colour(cr, rubber);
    cairo_fill(cr);
    cairo_rectangle(cr, -len / 2 + 10, -th / 2, len * 0.62, th);
    colour(cr, wood);
    cairo_fill(cr);
    cairo_rectangle(cr, -len / 2 + 10, -th / 2, len * 0.62, th / 3);
    colour(cr, paper, 0.35);
    cairo_fill(cr);
    const double tipStart = -len / 2 + 10 + len * 0.62;
    cairo_move_to(cr, tipStart, -th / 2);
    cairo_line_to(cr, len / 2 + 6, 0);
    cairo_line_to(cr, tipStart, th / 2);
    cairo_close_path(cr);
    colour(cr, shaved);
    cairo_fill(cr);
    cairo_move_to(cr, len / 2 - 12, -th * 0.2);
    cairo_line_to(cr, len / 2 + 6, 0);
    cairo_line_to(cr, len / 2 - 12, th * 0.2);
    cairo_close_path(cr);
    colour(cr, ink);
    cairo_fill(cr);
    cairo_restore(cr);
}

void check(cairo_surface_t* surface, const std::string& what) {
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(what + ": " + cairo_status_to_string(cairo_surface_status(surface)));
}

cairo_surface_t* raster(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, size / 256.0, size / 256.0);
    drawIcon(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    check(surface, "icon " + std::to_string(size));
    return surface;
}

void writeSvg(const fs::path& file) {
    cairo_surface_t* surface = cairo_svg_surface_create(file.c_str(), 256, 256);
    cairo_t* cr = cairo_create(surface);
    drawIcon(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    check(surface, file.string());
    cairo_surface_destroy(surface);
}

void writePng(const fs::path& file, int size) {
    fs::create_directories(file.parent_path());
    cairo_surface_t* surface = raster(size);
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(file.string() + ": " + cairo_status_to_string(status));
}

// The window icon as source code: straight ARGB, row by row.
void writeHeader(const fs::path& file, int size) {
    cairo_surface_t* surface = raster(size);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::ofstream out(file);
    out << "// Generated by brevion-icons: the window icon, " << size << "x" << size
        << ", straight ARGB.\n#pragma once\n#include <cstdint>\n\n"
        << "inline constexpr int kBrevionIconSize = " << size << ";\n"
        << "inline constexpr std::uint32_t kBrevionIconPixels[] = {\n";
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            std::uint32_t p;
            std::memcpy(&p, data + y * stride + x * 4, 4);
            const std::uint32_t a = p >> 24;
            auto straight = [a](std::uint32_t c) {
                return a == 0 ? 0u : std::min(255u, (c * 255 + a / 2) / a);
            };
            const std::uint32_t r = straight((p >> 16) & 0xFF), g = straight((p >> 8) & 0xFF),
                                b = straight(p & 0xFF);
            out << "0x" << std::hex << ((a << 24) | (r << 16) | (g << 8) | b) << std::dec << "u,";
        }
        out << "\n";
    }
    out << "};\n";
    cairo_surface_destroy(surface);
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

} // namespace

int main(int argc, char** argv) {
    fs::path out, header;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
        else if (std::strcmp(argv[i], "--header") == 0)
            header = argv[i + 1];
    }
    if (out.empty() || header.empty()) {
        std::cerr << "usage: " << argv[0] << " --out <folder> --header <file.h>\n";
        return 2;
    }
    try {
        fs::create_directories(out);
        fs::create_directories(header.parent_path());
        writeSvg(out / "brevion.svg");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            writePng(out / "hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps" /
                         "brevion.png",
                     size);
        writeHeader(header, 64);
    } catch (const std::exception& e) {
        std::cerr << "brevion-icons: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
