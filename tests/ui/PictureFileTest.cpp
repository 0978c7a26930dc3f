// Pictures kept compressed load under their BMP name; a damaged compressed file is an unreadable
// picture (the file error), never wrong pixels or a crash.
#include "ui/PictureFile.h"
#include "ui/Bitmap.h"

#include "platform/errors.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <zstd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace ui;

namespace {

using Bytes = std::vector<unsigned char>;
constexpr Color kGreen = Color::rgb(0, 160, 0);

// A path of its own for the running test: ctest runs the tests of this file side by side.
std::filesystem::path ownPath(const std::string& stem) {
    return std::filesystem::path(testing::TempDir()) /
           (stem + "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
}

// A w x h BMP file of one colour, as bytes.
Bytes bmpBytes(int w, int h, Color c) {
    Bitmap b(w, h, c);
    const std::filesystem::path file = ownPath("picture-file-src");
    SDL_RWops* rw = SDL_RWFromFile(file.c_str(), "wb");
    EXPECT_EQ(SDL_SaveBMP_RW(b.surface(), rw, 1), 0) << SDL_GetError();
    std::ifstream f(file, std::ios::binary);
    Bytes bytes(std::istreambuf_iterator<char>(f), {});
    std::filesystem::remove(file);
    return bytes;
}

// Compressed as the installation tree's generator does: one frame with its size and a checksum.
Bytes pack(const Bytes& raw, bool checksum = true) {
    Bytes out(ZSTD_compressBound(raw.size()));
    ZSTD_CCtx* cctx = ZSTD_createCCtx();
    ZSTD_CCtx_setParameter(cctx, ZSTD_c_checksumFlag, checksum ? 1 : 0);
    const std::size_t n = ZSTD_compress2(cctx, out.data(), out.size(), raw.data(), raw.size());
    ZSTD_freeCCtx(cctx);
    EXPECT_FALSE(ZSTD_isError(n));
    out.resize(n);
    return out;
}

// A small BMP whose header claims far more pixels than it holds (SDL would allocate them all).
Bytes hugeHeader() {
    Bytes b = bmpBytes(4, 4, kGreen);
    for (std::size_t at : {std::size_t(18), std::size_t(22)}) {
        const std::uint32_t v = 100000;
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = static_cast<unsigned char>(v >> (8 * i));
    }
    return b;
}

struct PictureFileTest : ::testing::Test {
    void SetUp() override {
        PictureCache::instance().clear();
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        PictureCache::instance().clear();
        std::filesystem::remove_all(dir);
    }
    void put(const std::string& name, const Bytes& bytes) {
        std::ofstream f(dir / name, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }
    std::filesystem::path dir = ownPath("picture-file");
};

TEST_F(PictureFileTest, ACompressedPictureLoadsUnderItsBmpNameOnce) {
    put("bckg.bmp.zst", pack(bmpBytes(64, 48, colors::Blue)));
    EXPECT_TRUE(pictureFileExists(at("bckg.bmp")));
    EXPECT_FALSE(pictureFileExists(at("other.bmp")));

    Bitmap first = Bitmap::load(at("bckg.bmp"));
    EXPECT_EQ(first.width(), 64);
    EXPECT_EQ(first.height(), 48);
    EXPECT_EQ(first.pixel(63, 47), colors::Blue);
    EXPECT_TRUE(Bitmap::load(at("bckg.bmp")).sharesPixelsWith(first));
    EXPECT_EQ(PictureCache::instance().decodes(), 1);

    // A picture found only uncompressed is read as it is.
    put("plain.bmp", bmpBytes(3, 2, colors::Red));
    EXPECT_TRUE(pictureFileExists(at("plain.bmp")));
    EXPECT_EQ(Bitmap::load(at("plain.bmp")).pixel(2, 1), colors::Red);
}

TEST_F(PictureFileTest, ADamagedCompressedPictureRaisesTheFileErrorLikeAMissingOne) {
    const Bytes good = pack(bmpBytes(40, 30, kGreen));
    auto changed = [&](const std::function<void(Bytes&)>& change) {
        Bytes b = good;
        change(b);
        return b;
    };
    const Bytes bigZeros(kMaxPictureFileBytes + 1, 0);
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"not compressed at all", bmpBytes(4, 4, kGreen)},
        {"cut in half", changed([](Bytes& b) { b.resize(b.size() / 2); })},
        {"last byte gone", changed([](Bytes& b) { b.pop_back(); })},
        {"a byte of the data flipped", changed([](Bytes& b) { b[b.size() / 2] ^= 0x5A; })},
        {"the checksum changed", changed([](Bytes& b) { b.back() ^= 1; })},
        {"junk after the frame", changed([](Bytes& b) {
             b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7, 8});
         })},
        {"no checksum", pack(bmpBytes(40, 30, kGreen), false)},
        {"larger than any picture", pack(bigZeros)},
        {"compressed, but not a BMP", pack(Bytes(5000, 'x'))},
        {"a header claiming 100000 x 100000 pixels", pack(hugeHeader())},
        {"a BMP cut short inside", pack([] {
             Bytes b = bmpBytes(40, 30, kGreen);
             b.resize(b.size() - 100);
             return b;
         }())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PictureCache::instance().clear();
        put("hint.bmp.zst", c.bytes);
        try {
            Bitmap::load(at("hint.bmp"));
            FAIL() << "a damaged picture loaded";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(e.path(), at("hint.bmp.zst"));
        }
        EXPECT_EQ(PictureCache::instance().decodes(), 0);
    }
    // An uncompressed picture with such a header is refused the same way.
    put("huge.bmp", hugeHeader());
    EXPECT_THROW(Bitmap::load(at("huge.bmp")), platform::FileError);

    // Mended, it loads.
    put("hint.bmp.zst", good);
    EXPECT_EQ(Bitmap::load(at("hint.bmp")).pixel(0, 0), kGreen);
}

} // namespace
