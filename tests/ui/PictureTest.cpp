// Pictures are decoded once per path and shared until drawn on; pictures kept compressed load under
// their BMP name. A missing or damaged file is an unreadable picture (the file error), never wrong
// pixels or a crash.
#include "ui/Bitmap.h"
#include "ui/PictureFile.h"

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
constexpr Color kPictureGreen = Color::rgb(0, 160, 0);

// A w x h BMP file of one colour, as bytes.
Bytes bmpBytes(int w, int h, Color c) {
    Bitmap b(w, h, c);
    Bytes out(std::size_t(w) * std::size_t(h) * 4 + 1024);
    SDL_RWops* rw = SDL_RWFromMem(out.data(), int(out.size()));
    EXPECT_EQ(SDL_SaveBMP_RW(b.surface(), rw, 0), 0) << SDL_GetError();
    out.resize(std::size_t(SDL_RWtell(rw)));
    SDL_RWclose(rw);
    return out;
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
    Bytes b = bmpBytes(4, 4, kPictureGreen);
    for (std::size_t at : {std::size_t(18), std::size_t(22)}) {
        const std::uint32_t v = 100000;
        for (int i = 0; i < 4; ++i)
            b[at + std::size_t(i)] = static_cast<unsigned char>(v >> (8 * i));
    }
    return b;
}

struct PictureTest : ::testing::Test {
    void SetUp() override {
        cache.clear();
        cache.setBudget(std::size_t(6) << 20);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        cache.clear();
        cache.setBudget(std::size_t(6) << 20);
        std::filesystem::remove_all(dir);
    }
    // Writes a file into the test's folder and returns its path.
    std::string put(const std::string& name, const Bytes& bytes) {
        std::ofstream f(dir / name, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return at(name);
    }
    std::string at(const std::string& name) const { return (dir / name).string(); }

    PictureCache& cache = PictureCache::instance();
    // One folder per test: ctest runs the tests of this file side by side, and each removes its
    // folder at the end.
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) /
                                ("picture-" + std::string(test->test_suite_name()) + "-" + test->name());
};

TEST_F(PictureTest, TheSamePathIsDecodedOnceAndSharedUntilDrawnOn) {
    const std::string path = put("a.bmp", bmpBytes(20, 10, colors::Red));
    Bitmap first = Bitmap::load(path);
    Bitmap second = Bitmap::load(path);
    EXPECT_EQ(cache.decodes(), 1);
    EXPECT_TRUE(first.sharesPixelsWith(second));
    EXPECT_EQ(second.pixel(5, 5), colors::Red);

    // Drawing on one copy leaves the other and the cached picture alone.
    second.fill({0, 0, 20, 10}, colors::Blue);
    EXPECT_FALSE(first.sharesPixelsWith(second));
    EXPECT_EQ(first.pixel(5, 5), colors::Red);
    EXPECT_EQ(Bitmap::load(path).pixel(5, 5), colors::Red);
    Bitmap copy = first;
    copy.drawLine({0, 0}, {10, 0}, colors::Blue);
    EXPECT_EQ(first.pixel(1, 0), colors::Red);
    EXPECT_EQ(copy.pixel(1, 0), colors::Blue);
    EXPECT_EQ(cache.decodes(), 1);
}

TEST_F(PictureTest, AMissingFileRaisesTheFileErrorEachTimeAndIsReadOnceItIsThere) {
    const std::string path = at("later.bmp");
    for (int i = 0; i < 2; ++i) {
        try {
            Bitmap::load(path);
            FAIL() << "a missing picture loaded";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(e.path(), path);
        }
    }
    EXPECT_EQ(cache.decodes(), 0);
    put("later.bmp", bmpBytes(4, 4, colors::White));
    EXPECT_EQ(Bitmap::load(path).pixel(1, 1), colors::White);
}

TEST_F(PictureTest, PicturesNotInUseAreLetGoPastTheBudgetTheOldestFirst) {
    const std::string a = put("a.bmp", bmpBytes(100, 100, colors::Red)); // 40000 bytes decoded
    const std::string b = put("b.bmp", bmpBytes(100, 100, colors::Blue));
    const std::string c = put("c.bmp", bmpBytes(100, 100, colors::White));
    cache.setBudget(90000);
    Bitmap held = Bitmap::load(a); // in use: never let go, costs nothing extra
    Bitmap::load(b);
    Bitmap::load(c);
    Bitmap::load(b);
    EXPECT_EQ(cache.decodes(), 3);
    Bitmap::load(a);
    EXPECT_EQ(cache.decodes(), 3);
    cache.setBudget(40000); // b was used after c: c goes
    Bitmap::load(b);
    EXPECT_EQ(cache.decodes(), 3);
    Bitmap::load(c);
    EXPECT_EQ(cache.decodes(), 4);
}

TEST_F(PictureTest, ACompressedPictureLoadsUnderItsBmpNameOnce) {
    put("bckg.bmp.zst", pack(bmpBytes(64, 48, colors::Blue)));
    EXPECT_TRUE(pictureFileExists(at("bckg.bmp")));
    EXPECT_FALSE(pictureFileExists(at("other.bmp")));

    Bitmap first = Bitmap::load(at("bckg.bmp"));
    EXPECT_EQ(first.width(), 64);
    EXPECT_EQ(first.height(), 48);
    EXPECT_EQ(first.pixel(63, 47), colors::Blue);
    EXPECT_TRUE(Bitmap::load(at("bckg.bmp")).sharesPixelsWith(first));
    EXPECT_EQ(cache.decodes(), 1);

    // A picture found only uncompressed is read as it is.
    put("plain.bmp", bmpBytes(3, 2, colors::Red));
    EXPECT_TRUE(pictureFileExists(at("plain.bmp")));
    EXPECT_EQ(Bitmap::load(at("plain.bmp")).pixel(2, 1), colors::Red);
}

TEST_F(PictureTest, ADamagedCompressedPictureRaisesTheFileErrorLikeAMissingOne) {
    const Bytes good = pack(bmpBytes(40, 30, kPictureGreen));
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
        {"not compressed at all", bmpBytes(4, 4, kPictureGreen)},
        {"cut in half", changed([](Bytes& b) { b.resize(b.size() / 2); })},
        {"a byte of the data flipped", changed([](Bytes& b) { b[b.size() / 2] ^= 0x5A; })},
        {"the checksum changed", changed([](Bytes& b) { b.back() ^= 1; })},
        {"junk after the frame", changed([](Bytes& b) {
             b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7, 8});
         })},
        {"no checksum", pack(bmpBytes(40, 30, kPictureGreen), false)},
        {"larger than any picture", pack(bigZeros)},
        {"compressed, but not a BMP", pack(Bytes(5000, 'x'))},
        {"a header claiming 100000 x 100000 pixels", pack(hugeHeader())},
        {"a BMP cut short inside", pack([] {
             Bytes b = bmpBytes(40, 30, kPictureGreen);
             b.resize(b.size() - 100);
             return b;
         }())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cache.clear();
        put("hint.bmp.zst", c.bytes);
        try {
            Bitmap::load(at("hint.bmp"));
            FAIL() << "a damaged picture loaded";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(e.path(), at("hint.bmp.zst"));
        }
        EXPECT_EQ(cache.decodes(), 0);
    }
    // An uncompressed picture with such a header is refused the same way.
    put("huge.bmp", hugeHeader());
    EXPECT_THROW(Bitmap::load(at("huge.bmp")), platform::FileError);

    // Mended, it loads.
    put("hint.bmp.zst", good);
    EXPECT_EQ(Bitmap::load(at("hint.bmp")).pixel(0, 0), kPictureGreen);
}

} // namespace
