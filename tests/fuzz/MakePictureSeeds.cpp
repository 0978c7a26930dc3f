// Seeds of the picture target from a few small pictures of the installation tree: each compressed
// file as it is (first byte 0) and unpacked to its BMP (first byte 1).
//
//   make_picture_seeds <cd root> <seed folder>
#include <ui/PictureFile.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

namespace {
void write(const fs::path& path, unsigned char kind, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.put(char(kind));
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <cd root> <seed folder>\n";
        return 2;
    }
    const fs::path cd = argv[1], seeds = argv[2];
    fs::create_directories(seeds);
    int n = 0;
    for (const char* name : {"Games/check_ok", "Games/02_h", "Setup/10_0", "Select/zvuk1"}) {
        const fs::path file = cd / "Bitmap" / (std::string(name) + ".bmp" + ui::kPackedPictureSuffix);
        std::ifstream in(file, std::ios::binary);
        const std::vector<unsigned char> packed(std::istreambuf_iterator<char>(in), {});
        write(seeds / ("packed-" + std::to_string(n)), 0, packed);
        write(seeds / ("plain-" + std::to_string(n)), 1, ui::unpackPicture(file.string(), packed));
        ++n;
    }
    return 0;
}
