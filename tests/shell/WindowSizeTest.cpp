// The window's size outside full screen: twice the canvas on a large screen, the pupil's size kept
// across starts, and a kept size that is damaged or does not fit the screen ignored.
#include "ShellFixture.h"

namespace {

struct WindowSizeTest : ShellTest {
    std::filesystem::path settings() const { return config.path / "BrevionOkno.ini"; }
};

TEST_F(WindowSizeTest, ThePupilsSizeIsUsedAtTheNextStart) {
    writeGoodIni();
    display.usable = {1920, 1050};
    ASSERT_TRUE(start());
    EXPECT_EQ(display.windowSize(), (platform::WindowSize{1280, 960}));
    restart();
    EXPECT_FALSE(std::filesystem::exists(settings())) << "the default size is not written down";

    display.resize({1000, 750});
    restart();
    EXPECT_EQ(readFile(settings()), "[Okno]\r\nSirka=1000\r\nVyska=750\r\n");
    EXPECT_EQ(display.windowSize(), (platform::WindowSize{1000, 750}));

    // On a smaller screen the kept size does not fit: the default of that screen, and the kept size
    // stays for the large screen as long as the pupil does not change it.
    display.usable = {1024, 740};
    restart();
    EXPECT_EQ(display.windowSize(), (platform::WindowSize{640, 480}));
    restart();
    EXPECT_EQ(readFile(settings()), "[Okno]\r\nSirka=1000\r\nVyska=750\r\n");
}

TEST_F(WindowSizeTest, ADamagedOrAbsurdKeptSizeGivesTheDefault) {
    const char* files[] = {
        "[Okno]\r\nSirka=1000\r\n",
        "[Okno]\r\nSirka=1000px\r\nVyska=750\r\n",
        "[Okno]\r\nSirka=-1000\r\nVyska=750\r\n",
        "[Okno]\r\nSirka=320\r\nVyska=240\r\n",
        "[Okno]\r\nSirka=99999999999999999999\r\nVyska=750\r\n",
        "\x01\x02garbage\xff",
    };
    writeGoodIni();
    display.usable = {1920, 1050};
    ASSERT_TRUE(start());
    for (const char* file : files) {
        writeFile(settings(), file);
        restart();
        EXPECT_EQ(display.windowSize(), (platform::WindowSize{1280, 960})) << file;
    }
}

TEST_F(WindowSizeTest, ASizeThatCannotBeWrittenLeavesTheEndNormal) {
    writeGoodIni();
    ASSERT_TRUE(start());
    display.resize({1000, 750});
    std::filesystem::create_directory(settings()); // a folder where the file should be
    EXPECT_EQ(program->finish(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(settings()));
}

} // namespace
