// Seeds of the picture target: a few small pictures drawn here, each compressed as the
// installation tree keeps them (first byte 0: one zstd frame with its size and a checksum) and as
// a plain BMP (first byte 1).
//
//   make_picture_seeds <seed folder>
#include <ui/Bitmap.h>

#include <SDL.h>
#include <zstd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<unsigned char>;

void write(const fs::path& path, unsigned char kind, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.put(char(kind));
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes bmpOf(const ui::Bitmap& picture) {
    Bytes bytes(std::size_t(picture.width()) * std::size_t(picture.height()) * 4 + 1024);
    SDL_RWops* rw = SDL_RWFromMem(bytes.data(), int(bytes.size()));
    SDL_SaveBMP_RW(picture.surface(), rw, 0);
    bytes.resize(std::size_t(SDL_RWtell(rw)));
    SDL_RWclose(rw);
    return bytes;
}

Bytes pack(const Bytes& raw) {
    Bytes out(ZSTD_compressBound(raw.size()));
    ZSTD_CCtx* cctx = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(cctx, ZSTD_c_checksumFlag, 1);
    out.resize(ZSTD_compress2(cctx, out.data(), out.size(), raw.data(), raw.size()));
    ZSTD_freeCCtx(cctx);
    return out;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " <seed folder>\n";
        return 2;
    }
    const fs::path seeds = argv[1];
    fs::create_directories(seeds);
    int n = 0;
    for (const auto& [w, h] : {std::pair{32, 32}, std::pair{3, 2}, std::pair{58, 32}}) {
        ui::Bitmap picture(w, h, ui::colors::Blue);
        picture.drawLine({0, 0}, {w - 1, h - 1}, ui::colors::Red, 2);
        const Bytes bmp = bmpOf(picture);
        write(seeds / ("packed-" + std::to_string(n)), 0, pack(bmp));
        write(seeds / ("plain-" + std::to_string(n)), 1, bmp);
        ++n;
    }
    return 0;
}
