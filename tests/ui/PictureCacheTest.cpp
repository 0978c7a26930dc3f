// Pictures are decoded once per path and shared until drawn on; a missing file stays an error.
#include "ui/Bitmap.h"

#include "platform/errors.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace ui;

namespace {

struct PictureCacheTest : ::testing::Test {
    void SetUp() override {
        cache.clear();
        cache.setBudget(std::size_t(6) << 20);
    }
    void TearDown() override {
        cache.clear();
        cache.setBudget(std::size_t(6) << 20);
        std::filesystem::remove_all(dir);
    }
    // Writes a w x h picture of one colour and returns its path.
    std::string write(const std::string& name, int w, int h, Color c) {
        std::filesystem::create_directories(dir);
        Bitmap b(w, h, c);
        const std::string path = (dir / name).string();
        EXPECT_EQ(SDL_SaveBMP(b.surface(), path.c_str()), 0) << SDL_GetError();
        return path;
    }
    PictureCache& cache = PictureCache::instance();
    // One folder per test: ctest runs the tests of this file side by side, and each removes its
    // folder at the end.
    std::filesystem::path dir =
        std::filesystem::path(testing::TempDir()) /
        ("picture-cache-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(PictureCacheTest, TheSamePathIsDecodedOnceAndSharedUntilDrawnOn) {
    const std::string path = write("a.bmp", 20, 10, colors::Red);
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

TEST_F(PictureCacheTest, AMissingFileRaisesTheFileErrorEachTimeAndIsReadOnceItIsThere) {
    const std::string path = (dir / "later.bmp").string();
    for (int i = 0; i < 2; ++i) {
        try {
            Bitmap::load(path);
            FAIL() << "a missing picture loaded";
        } catch (const platform::FileError& e) {
            EXPECT_EQ(e.path(), path);
        }
    }
    EXPECT_EQ(cache.decodes(), 0);
    write("later.bmp", 4, 4, colors::White);
    EXPECT_EQ(Bitmap::load(path).pixel(1, 1), colors::White);
}

TEST_F(PictureCacheTest, PicturesNotInUseAreLetGoPastTheBudgetTheOldestFirst) {
    const std::string a = write("a.bmp", 100, 100, colors::Red); // 40000 bytes decoded
    const std::string b = write("b.bmp", 100, 100, colors::Blue);
    const std::string c = write("c.bmp", 100, 100, colors::White);
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

} // namespace
