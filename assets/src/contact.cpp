#include "contact.h"

#include "style.h"

#include <platform/errors.h>

#include <algorithm>
#include <map>
#include <memory>

namespace assets {

namespace {

constexpr int pageWidth = 1400;
constexpr int maxPageHeight = 1500;
constexpr int margin = 16;
constexpr int labelHeight = 18;

struct Placed {
    const Asset* asset;
    double x, y, scale;
};

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return path.substr(0, slash);
}

void renderPage(const std::vector<Placed>& items, int height, const std::filesystem::path& file,
                const std::string& title) {
    Picture page(pageWidth, height);
    cairo_t* cr = page.cr();
    fillAll(cr, hex(0xE9EDF2));
    drawText(cr, title, {margin, 4, pageWidth - 2.0 * margin, 26},
             {.size = 18, .bold = true, .colour = style::ink, .valign = VAlign::Middle, .wrap = false});
    for (const auto& p : items) {
        Picture pic(p.asset->width, p.asset->height);
        p.asset->draw(pic.cr());
        cairo_surface_flush(pic.surface());
        cairo_save(cr);
        cairo_translate(cr, p.x, p.y);
        cairo_scale(cr, p.scale, p.scale);
        cairo_set_source_surface(cr, pic.surface(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr),
                                 p.scale < 1 ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
        cairo_paint(cr);
        cairo_restore(cr);
        const double w = std::max(p.asset->width * p.scale, 90.0);
        const auto slash = p.asset->path.rfind('/');
        drawText(cr, p.asset->path.substr(slash + 1),
                 {p.x, p.y + p.asset->height * p.scale + 1, w, labelHeight - 2},
                 {.size = 11, .colour = style::ink, .valign = VAlign::Top, .minSize = 7, .wrap = false});
    }
    if (cairo_surface_write_to_png(page.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
        throw platform::FileError(file.string(), "cannot write contact sheet");
}

} // namespace

int writeContactSheets(const Catalogue& catalogue, const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    std::map<std::string, std::vector<const Asset*>> byFolder;
    for (const auto& a : catalogue.items())
        byFolder[folderOf(a.path)].push_back(&a);

    int pageNumber = 0;
    for (const auto& [folder, assets] : byFolder) {
        std::vector<Placed> items;
        double x = margin, y = 36, rowHeight = 0;
        int part = 0;
        auto flush = [&] {
            if (items.empty()) return;
            ++pageNumber;
            std::string name = folder.substr(folder.rfind('/') + 1);
            char prefix[16];
            std::snprintf(prefix, sizeof prefix, "contact-%02d-", pageNumber);
            renderPage(items, static_cast<int>(y + rowHeight + margin), dir / (prefix + name + ".png"),
                       folder + (part > 0 ? " (" + std::to_string(part + 1) + ")" : ""));
            items.clear();
            ++part;
            x = margin;
            y = 36;
            rowHeight = 0;
        };
        for (const Asset* a : assets) {
            // full screens at half size, strips to the page width, small pictures at twice their size
            double scale = a->width >= 600 && a->height >= 400 ? 0.5 : (a->width * 2 <= 330 ? 2.0 : 1.0);
            scale = std::min(scale, (pageWidth - 2.0 * margin) / a->width);
            const double w = std::max(a->width * scale, 90.0), h = a->height * scale + labelHeight;
            if (x + w > pageWidth - margin) {
                x = margin;
                y += rowHeight + 10;
                rowHeight = 0;
            }
            if (y + h > maxPageHeight) flush();
            items.push_back({a, x, y, scale});
            x += w + 12;
            rowHeight = std::max(rowHeight, h);
        }
        flush();
    }
    return pageNumber;
}

} // namespace assets
