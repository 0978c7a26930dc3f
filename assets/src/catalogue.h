#pragma once
// Every picture of the installation tree: its path under the CD root, its size and how to draw it.
#include "canvas.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace assets {

struct Asset {
    std::string path; // relative to the CD root, with slashes: "Bitmap/Games/mzpet.bmp"
    int width = 0, height = 0;
    std::function<void(cairo_t*)> draw;
};

class Catalogue {
public:
    void add(std::string path, int width, int height, std::function<void(cairo_t*)> draw);
    // A strip of `frames` pictures of frameWidth x height side by side, frame i drawn by draw(cr, i).
    void addStrip(std::string path, int frameWidth, int height, int frames,
                  std::function<void(cairo_t*, int)> draw);
    const std::vector<Asset>& items() const { return items_; }

private:
    std::vector<Asset> items_;
};

// The families of pictures, one per screen or folder.
void addButtons(Catalogue& c);
void addMenu(Catalogue& c);
void addSetup(Catalogue& c);
void addGames(Catalogue& c);
void addTables(Catalogue& c);
void addHelp(Catalogue& c, const std::filesystem::path& helpDir);
void addIntro(Catalogue& c);

Catalogue fullCatalogue(const std::filesystem::path& helpDir);

} // namespace assets
