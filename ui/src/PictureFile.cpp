#include "ui/PictureFile.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <SDL.h>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define ZSTD_STATIC_LINKING_ONLY // ZSTD_getFrameHeader: the frame's size and checksum flag
#include <zstd.h>

namespace ui {

namespace {

[[noreturn]] void damaged(const std::string& path, const std::string& why) {
    throw platform::FileError(path, "Cannot read the picture (" + why + ")");
}

// The whole file, or nothing when it does not exist; any other failure raises FileError.
bool readWhole(const std::string& path, std::vector<unsigned char>& out) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return false;
        throw platform::FileError(path, std::string("Cannot open the picture (") + std::strerror(errno) + ")",
                                  errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) damaged(path, "not a file");
    if (std::size_t(st.st_size) > kMaxPictureFileBytes) damaged(path, "too large");
    out.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            throw platform::FileError(
                path, std::string("Cannot read the picture (") + std::strerror(errno) + ")", errno);
        if (n == 0) damaged(path, "shorter than its size");
        done += std::size_t(n);
    }
    return true;
}

std::int64_t little(std::span<const unsigned char> b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + std::size_t(i)];
    return bytes == 2 ? std::int64_t(std::int16_t(v)) : std::int64_t(std::int32_t(v));
}

// A BMP file decoded by SDL, after its header's size is checked: SDL allocates the pixels the
// header claims before reading them, so a damaged header must not claim more than a picture of
// ours can be.
SurfacePtr decodeBmp(const std::string& path, std::span<const unsigned char> bmp) {
    if (bmp.size() < 26 || bmp[0] != 'B' || bmp[1] != 'M') damaged(path, "not a BMP picture");
    const bool core = little(bmp, 14, 4) == 12; // the oldest header has 16-bit sizes
    const std::int64_t width = little(bmp, 18, core ? 2 : 4);
    const std::int64_t height = little(bmp, core ? 20 : 22, core ? 2 : 4);
    if (width <= 0 || height == 0 || width * (height < 0 ? -height : height) > kMaxPicturePixels)
        damaged(path, "the picture's size is out of bounds");
    SurfacePtr surface(SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), int(bmp.size())), 1));
    if (!surface) damaged(path, SDL_GetError());
    return surface;
}

} // namespace

std::vector<unsigned char> unpackPicture(const std::string& path, std::span<const unsigned char> packed) {
    // The generator writes one frame that states its size and carries a checksum: the buffer is
    // allocated once, a frame that claims more than a picture can be is refused before anything
    // is allocated, and damage inside the data is caught rather than shown as wrong pixels.
    ZSTD_frameHeader header{};
    if (ZSTD_getFrameHeader(&header, packed.data(), packed.size()) != 0 || header.frameType != ZSTD_frame)
        damaged(path, "not a compressed picture");
    const unsigned long long size = header.frameContentSize;
    if (size == ZSTD_CONTENTSIZE_UNKNOWN || size == 0) damaged(path, "no size in the compressed picture");
    if (size > kMaxPictureFileBytes) damaged(path, "too large");
    if (!header.checksumFlag) damaged(path, "no checksum in the compressed picture");
    std::vector<unsigned char> out(static_cast<std::size_t>(size));
    const std::size_t n = ZSTD_decompress(out.data(), out.size(), packed.data(), packed.size());
    if (ZSTD_isError(n)) damaged(path, ZSTD_getErrorName(n));
    if (n != out.size()) damaged(path, "shorter than its stated size");
    return out;
}

SurfacePtr decodePackedPicture(const std::string& path, std::span<const unsigned char> packed) {
    return decodeBmp(path, unpackPicture(path, packed));
}

bool pictureFileExists(const std::string& path) {
    return platform::fileExists(path + kPackedPictureSuffix) || platform::fileExists(path);
}

SurfacePtr readPictureFile(const std::string& path) {
    const std::string packedPath = path + kPackedPictureSuffix;
    std::vector<unsigned char> packed;
    if (readWhole(packedPath, packed)) return decodePackedPicture(packedPath, packed);
    std::vector<unsigned char> bmp;
    if (!readWhole(path, bmp))
        throw platform::FileError(path, "Cannot read the picture (no such file)", ENOENT);
    return decodeBmp(path, bmp);
}

} // namespace ui
