// Picture files: the first byte chooses a compressed picture (unpacked, then decoded as a BMP) or
// an uncompressed one read from a file as the program reads a picture found only as a BMP.
#include "FuzzInput.h"

#include <platform/errors.h>
#include <ui/PictureFile.h>

#include <SDL.h>

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool packed = data[0] % 2 == 0;
    const std::span<const unsigned char> rest(data + 1, size - 1);
    ui::SurfacePtr picture;
    try {
        if (packed) {
            const std::vector<unsigned char> bmp = ui::unpackPicture("fuzz.bmp.zst", rest);
            FUZZ_CHECK(bmp.size() > 0 && bmp.size() <= ui::kMaxPictureFileBytes);
            picture = ui::decodePackedPicture("fuzz.bmp.zst", rest);
        } else {
            picture = ui::readPictureFile(fuzz::holdInput(fuzz::bytesOf(data + 1, size - 1)));
        }
    } catch (const platform::FileError&) {
        return 0; // damaged, truncated or not a picture: the documented refusal
    }
    FUZZ_CHECK(picture && picture->w > 0 && picture->h > 0 && picture->pixels);
    return 0;
}
