// Writes the CD tree of the installation: every picture the program loads (compressed), its two
// sounds and an empty Data folder for the print libraries.
//
//   brevion-assets --out <cd root> --help <help text folder> [--contact-sheet <folder>]
#include "catalogue.h"
#include "contact.h"
#include "sound.h"

#include <platform/errors.h>
#include <ui/PictureFile.h>

#include <chrono>
#include <cstring>
#include <iostream>

namespace fs = std::filesystem;

namespace {
// zstd's strongest ordinary level: the pictures are drawn once per build, unpacked at any level
// at the same speed.
constexpr int kPackLevel = 19;
} // namespace

int main(int argc, char** argv) {
    fs::path out, helpDir, contactDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--out") == 0)
            out = argv[i + 1];
        else if (std::strcmp(argv[i], "--help") == 0)
            helpDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--contact-sheet") == 0)
            contactDir = argv[i + 1];
    }
    if (helpDir.empty() || (out.empty() && contactDir.empty())) {
        std::cerr << "usage: " << argv[0] << " --out <cd root> --help <help texts> [--contact-sheet <dir>]\n";
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const assets::Catalogue catalogue = assets::fullCatalogue(helpDir);
        if (!contactDir.empty()) {
            const int pages = assets::writeContactSheets(catalogue, contactDir) +
                              assets::writeReviewScreens(catalogue, contactDir);
            std::cout << "contact sheet: " << pages << " pages in " << contactDir.string() << "\n";
        }
        if (out.empty()) return 0;
        // Start from clean picture and sound folders so that no renamed picture lingers.
        fs::remove_all(out / "Bitmap");
        fs::remove_all(out / "Sound");
        fs::create_directories(out / "Data");
        fs::create_directories(out / "Sound");
        for (const auto& asset : catalogue.items()) {
            // Kept compressed under the name the screens load plus ".zst" (see ui/PictureFile.h).
            const fs::path file = out / (asset.path + ui::kPackedPictureSuffix);
            fs::create_directories(file.parent_path());
            assets::Picture picture(asset.width, asset.height);
            asset.draw(picture.cr());
            picture.savePackedBmp(file, kPackLevel);
        }
        assets::writeWav(out / "Sound" / "Enter.wav", assets::enterSound(), assets::soundRate);
        assets::writeWav(out / "Sound" / "Click.wav", assets::clickSound(), assets::soundRate);
        assets::writeWav(out / "Sound" / "Finish.wav", assets::finishSound(), assets::soundRate);
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << "brevion-assets: " << catalogue.items().size() << " pictures and 3 sounds in "
                  << out.string() << " (" << ms << " ms)\n";
    } catch (const std::exception& e) {
        std::cerr << "brevion-assets: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
