#pragma once
// Picture files as they lie on disk. The installation tree keeps each picture compressed with zstd
// under its name plus ".zst" ("06bckg.bmp.zst"): a full-screen BMP of 900 KB takes 10-40 KB there
// and is unpacked in well under a millisecond, once per session (see PictureCache). The screens go
// on naming the BMP; a picture found only uncompressed (one the program or a test wrote) is read
// as it is.
#include "ui/Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui {

// What a compressed picture's name ends with, after the picture's own name.
inline constexpr const char* kPackedPictureSuffix = ".zst";

// The largest picture file unpacked: a damaged file never makes the program allocate more.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t(16) << 20;
// The most pixels a picture may claim in its header (2048 x 2048; the canvas is 640 x 480).
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(2048) * 2048;

// The BMP file held in the compressed bytes `packed` of the picture `path`: one zstd frame that
// states its size and carries a checksum. Damaged, truncated or oversized data raises
// platform::FileError naming `path`, as an unreadable picture does.
std::vector<unsigned char> unpackPicture(const std::string& path, std::span<const unsigned char> packed);
// Those bytes unpacked and decoded as a BMP; the same errors, and a BMP that SDL cannot read.
SurfacePtr decodePackedPicture(const std::string& path, std::span<const unsigned char> packed);

// Whether the picture `path` is there, compressed or not.
bool pictureFileExists(const std::string& path);

// Reads and decodes the picture `path`: "<path>.zst" when that exists, else the BMP itself. A
// picture that is missing, unreadable or damaged raises platform::FileError.
SurfacePtr readPictureFile(const std::string& path);

} // namespace ui
