// Writes the fuzz targets' seed corpora from the shipped data, at build time:
//   make_fuzz_seeds <data folder> <seed folder>
// <seed folder>/<target>/ receives files in the form that target reads; the sentence targets' seeds
// start with the byte that picks their exercise. The picture target's seeds are small pictures
// drawn here.
#include <Codec.h>
#include <Validator.h>
#include <framework/SentenceFile.h>
#include <platform/encoding.h>
#include <platform/errors.h>
#include <results/ResultsTable.h>
#include <ui/Bitmap.h>

#include <SDL.h>
#include <zstd.h>

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

namespace fs = std::filesystem;

void writeSeed(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    const fs::path path = folder / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw platform::FileError(path.string(), "cannot write seed");
}

void sentenceSeeds(const fs::path& data, const fs::path& seeds) {
    const auto exercises = sentencedata::exercises();
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        const std::string key(exercises[i].key);
        const fs::path source = data / "sentences" / (key + ".txt");
        if (!fs::exists(source)) continue;
        const std::string selector(1, static_cast<char>(i));
        writeSeed(seeds / "sentence_source", key, selector + framework::readFileBytes(source.string()));
        std::vector<std::string> lines;
        for (sentencedata::SourceLine& line : sentencedata::readSourceLines(source.string()))
            lines.push_back(std::move(line.text));
        writeSeed(seeds / "sentences", key, selector + sentencedata::encodeLines(lines));
    }
}

// A ranking as the program writes it, names with accents and a tie included.
void resultsTableSeed(const fs::path& seeds) {
    results::ResultsTable table;
    table.VlozNovyZaznam("Ján Ďurčo", "28", "2", "1");
    table.VlozNovyZaznam("Zuzana Šťastná", "20", "10", "3");
    table.VlozNovyZaznam("Peter", "20", "10", "3");
    table.VlozNovyZaznam("Ľubica Kováčová", "5", "0", "1");
    writeSeed(seeds / "results_table", "table.res", platform::utf8ToCp1250(table.text()));
}

// The configuration file as the run script writes it, in Windows-1250 and in UTF-8 with a BOM.
void iniSeeds(const fs::path& seeds) {
    const std::string text = "[CES1]\r\nCD=/opt/Brevion/cd\r\nHD=\"/home/žiak/Dokumenty/Brevion\"\r\n";
    writeSeed(seeds / "ini", "cp1250.ini", platform::utf8ToCp1250(text));
    writeSeed(seeds / "ini", "utf8.ini", "\xEF\xBB\xBF" + text);
}

std::string bmpOf(const ui::Bitmap& picture) {
    std::string bytes(std::size_t(picture.width()) * std::size_t(picture.height()) * 4 + 1024, '\0');
    SDL_RWops* rw = SDL_RWFromMem(bytes.data(), int(bytes.size()));
    SDL_SaveBMP_RW(picture.surface(), rw, 0);
    bytes.resize(std::size_t(SDL_RWtell(rw)));
    SDL_RWclose(rw);
    return bytes;
}

// Compressed as the installation tree keeps pictures: one zstd frame with its size and a checksum.
std::string pack(const std::string& raw) {
    std::string out(ZSTD_compressBound(raw.size()), '\0');
    ZSTD_CCtx* cctx = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(cctx, ZSTD_c_checksumFlag, 1);
    out.resize(ZSTD_compress2(cctx, out.data(), out.size(), raw.data(), raw.size()));
    ZSTD_freeCCtx(cctx);
    return out;
}

// A few small pictures, each compressed (first byte 0) and as a plain BMP (first byte 1).
void pictureSeeds(const fs::path& seeds) {
    int n = 0;
    for (const auto& [w, h] : {std::pair{32, 32}, std::pair{3, 2}, std::pair{58, 32}}) {
        ui::Bitmap picture(w, h, ui::colors::Blue);
        picture.drawLine({0, 0}, {w - 1, h - 1}, ui::colors::Red, 2);
        const std::string bmp = bmpOf(picture);
        writeSeed(seeds / "picture_file", "packed-" + std::to_string(n), std::string(1, '\0') + pack(bmp));
        writeSeed(seeds / "picture_file", "plain-" + std::to_string(n), "\x01" + bmp);
        ++n;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_fuzz_seeds <data folder> <seed folder>\n";
        return 2;
    }
    const fs::path data = argv[1], seeds = argv[2];
    try {
        sentenceSeeds(data, seeds);
        writeSeed(seeds / "grades", "Znamky.dat", framework::readFileBytes((data / "Znamky.dat").string()));
        resultsTableSeed(seeds);
        iniSeeds(seeds);
        pictureSeeds(seeds);
    } catch (const std::exception& e) {
        std::cerr << "make_fuzz_seeds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
