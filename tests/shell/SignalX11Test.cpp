// The real program on an X server (run through tests/xvfb-run.sh, whose screen is 1280x1024: the
// canvas shows at factor 2, 32 rows down), driven with xdotool, ended with the results table on
// screen: by SIGTERM, by SIGHUP (the terminal closed), by the loss of its X server.
#include "Process.h"
#include "ShellFixture.h"

#include <cstdlib>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A click at a point of the 640x480 canvas on `display`, and time for the program to answer it
// (generous: a click that comes while the screen it is meant for is not there yet is lost).
void click(const std::string& display, int x, int y, int waitMs = 1000) {
    const std::string command = "DISPLAY=" + display + " xdotool mousemove " + std::to_string(2 * x) + " " +
                                std::to_string(32 + 2 * y) + " click 1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
}

const std::string kTable = "Adam|8|2|3\r\nBea|7|3|3\r\n";

// The program with exercise 01's results table on screen; the table file is then removed, so what
// is found there afterwards was written at the end.
struct TableOnScreen {
    TempDir config, hd, runtime;
    std::unique_ptr<Process> program;

    explicit TableOnScreen(const std::string& display) {
        for (const auto& entry : fs::directory_iterator(BREVION_HD_DIR))
            fs::copy_file(entry.path(), hd.path / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        writeFile(hd.path / "P01.res", kTable);
        writeFile(config.path / "Brevion.ini",
                  "[CES1]\r\nCD=" + std::string(BREVION_CD_DIR) + "\r\nHD=" + hd.path.string() + "\r\n");
        program = std::make_unique<Process>(
            config.path, runtime.path, std::vector<std::string>{"SDL_VIDEODRIVER=x11", "DISPLAY=" + display});
    }
    // False (with the reason recorded) when the table could not be reached.
    void reachTable(const std::string& display) {
        ASSERT_TRUE(menuBuilt(runtime.path)) << readFile(program->err);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        click(display, 320, 240); // the intro goes
        click(display, 158, 166); // category 1
        click(display, 483, 180); // exercise 01: its setup screen
        click(display, 504, 343); // the name field
        ASSERT_EQ(std::system(("DISPLAY=" + display + " xdotool type Eva").c_str()), 0);
        click(display, 150, 267, 2000); // ten examples: continue is enabled after its animation
        click(display, 547, 468, 2000); // continue: the exercise screen, which reads P01.res
        click(display, 500, 42);        // its results table
        fs::remove(hd.path / "P01.res");
    }
};

} // namespace

class TerminationOnX11 : public ::testing::TestWithParam<int> {};

TEST_P(TerminationOnX11, SavesTheResultsTableOnScreenAndEndsWithoutAsking) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    const std::string display = std::getenv("DISPLAY");
    TableOnScreen run(display);
    run.reachTable(display);
    if (HasFatalFailure()) return;

    ::kill(run.program->pid, GetParam());
    EXPECT_EQ(run.program->waitMs(2000), 0) << readFile(run.program->err);
    EXPECT_EQ(readFile(run.hd.path / "P01.res"), kTable) << readFile(run.program->err);
    EXPECT_EQ(readFile(run.program->err).find("Skutočne chcete ukončiť"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationOnX11, ::testing::Values(SIGTERM, SIGHUP),
                         [](const auto& info) { return info.param == SIGTERM ? "SIGTERM" : "SIGHUP"; });

// The X server goes away (the session ended): the table is still written, and the program ends.
TEST(DisplayLoss, SavesTheResultsTableOnScreen) {
    TempDir server;
    const fs::path displayFile = server.path / "display";
    const std::string command = "Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>" +
                                displayFile.string() + " 2>" + (server.path / "log").string() +
                                " & echo $! >" + (server.path / "pid").string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string number;
    for (int i = 0; i < 100 && number.empty(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream(displayFile) >> number;
    }
    pid_t xvfb = 0;
    std::ifstream(server.path / "pid") >> xvfb;
    ASSERT_FALSE(number.empty());
    ASSERT_GT(xvfb, 0);
    const std::string display = ":" + number;
    {
        TableOnScreen run(display);
        run.reachTable(display);
        ::kill(xvfb, SIGKILL);
        if (!HasFatalFailure()) {
            EXPECT_NE(run.program->waitMs(10000), -1) << "still running without its display";
            EXPECT_EQ(readFile(run.hd.path / "P01.res"), kTable) << readFile(run.program->err);
        }
    }
    ::kill(xvfb, SIGKILL);
}
