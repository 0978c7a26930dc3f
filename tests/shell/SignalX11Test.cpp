// The real program on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024: the
// canvas shows at factor 2, 32 rows down), driven with xdotool, ended by SIGTERM.
#include "Process.h"
#include "ShellFixture.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// A click at a point of the 640x480 canvas, and time for the program to answer it (generous: a click
// that comes while the screen it is meant for is not there yet is lost).
void click(int x, int y, int waitMs = 1000) {
    const std::string command =
        "xdotool mousemove " + std::to_string(2 * x) + " " + std::to_string(32 + 2 * y) + " click 1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
}

} // namespace

TEST(TerminationOnX11, SigtermSavesTheResultsTableOnScreenAndEndsWithoutAsking) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    TempDir config, hd, runtime;
    for (const auto& entry : fs::directory_iterator(BREVION_HD_DIR))
        fs::copy_file(entry.path(), hd.path / entry.path().filename(), fs::copy_options::overwrite_existing);
    const std::string table = "Adam|8|2|3\r\nBea|7|3|3\r\n";
    writeFile(hd.path / "P01.res", table);
    writeFile(config.path / "Brevion.ini",
              "[CES1]\r\nCD=" + std::string(BREVION_CD_DIR) + "\r\nHD=" + hd.path.string() + "\r\n");

    Process p(config.path, runtime.path,
              {"SDL_VIDEODRIVER=x11", "DISPLAY=" + std::string(std::getenv("DISPLAY"))});
    ASSERT_TRUE(menuBuilt(runtime.path)) << readFile(p.err);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    click(320, 240); // the intro goes
    click(158, 166); // category 1
    click(483, 180); // exercise 01: its setup screen
    click(504, 343); // the name field
    ASSERT_EQ(std::system("xdotool type Eva"), 0);
    click(150, 267, 2000); // ten examples: continue is enabled after its animation
    click(547, 468, 2000); // continue: the exercise screen, which reads P01.res
    click(500, 42);        // its results table
    fs::remove(hd.path / "P01.res");

    ::kill(p.pid, SIGTERM);
    EXPECT_EQ(p.waitMs(1000), 0) << readFile(p.err);
    EXPECT_EQ(readFile(hd.path / "P01.res"), table) << readFile(p.err);
    EXPECT_EQ(readFile(p.err).find("Skutočne chcete ukončiť"), std::string::npos) << readFile(p.err);
}
