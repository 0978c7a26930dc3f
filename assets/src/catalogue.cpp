#include "catalogue.h"

namespace assets {

void Catalogue::add(std::string path, int width, int height, std::function<void(cairo_t*)> draw) {
    items_.push_back({std::move(path), width, height, std::move(draw)});
}

void Catalogue::addStrip(std::string path, int frameWidth, int height, int frames,
                         std::function<void(cairo_t*, int)> draw) {
    add(std::move(path), frameWidth * frames, height, [=](cairo_t* cr) {
        for (int i = 0; i < frames; ++i) {
            cairo_save(cr);
            cairo_rectangle(cr, i * frameWidth, 0, frameWidth, height);
            cairo_clip(cr);
            cairo_translate(cr, i * frameWidth, 0);
            draw(cr, i);
            cairo_restore(cr);
        }
    });
}

Catalogue fullCatalogue(const std::filesystem::path& helpDir) {
    Catalogue c;
    addButtons(c);
    addMenu(c);
    addSetup(c);
    addGames(c);
    addTables(c);
    addHelp(c, helpDir);
    addIntro(c);
    return c;
}

} // namespace assets
