// The real program as a process: what start-up says and how it ends when the installation is
// incomplete, a second copy that hands over to the first, and termination signals.
#include "Process.h"
#include "ShellFixture.h"

namespace fs = std::filesystem;

namespace {

const std::string kIni = "Chyba: Nemožno nájsť súbor BREVION.INI. Nainštalujte aplikáciu znova.\n";
const std::string kCd =
    "Chyba: Nemožno korektne čítať z CD-ROM Brevion.\nChyba: Skontrolujte, či je CD-ROM v CD mechanike.\n";
const std::string kHd = "Chyba: Nemožno nájsť súbory zo zdrojmi dát.\nChyba: Nainštalujte aplikáciu znova.\n";

struct ProcessTest : ::testing::Test {
    TempDir config, hd, cdCopy, runtime;
    void SetUp() override { seedHdRoot(hd.path); }
    void ini(const std::string& cd) {
        writeFile(config.path / "Brevion.ini", "[CES1]\r\nCD=" + cd + "\r\nHD=" + hd.path.string() + "\r\n");
    }
    // The program ends at once with exactly `message`; with no display for its box, standard error
    // says so after it.
    void expectStops(const std::string& message) {
        Process p(config.path, runtime.path, {"SDL_VIDEODRIVER=x11"});
        EXPECT_EQ(p.waitMs(20000), 1);
        const std::string err = readFile(p.err);
        EXPECT_EQ(err.rfind(message, 0), 0u) << err;
        for (const std::string& other : {kIni, kCd, kHd})
            EXPECT_TRUE(other == message || err.find(other) == std::string::npos) << err;
        EXPECT_NE(err.find("Chyba: (no window for this message: "), std::string::npos) << err;
    }
};

} // namespace

TEST_F(ProcessTest, IncompleteInstallationStopsWithItsMessage) {
    expectStops(kIni); // no INI file
    writeFile(config.path / "Brevion.ini", "[CES1]\r\nCD=" + std::string(BREVION_CD_DIR) + "\r\n");
    expectStops(kIni); // key HD missing, CD present

    // A CD picture missing together with a sentence file: the CD is checked first.
    fs::create_directories(cdCopy.path / "Bitmap/Games");
    fs::create_directories(cdCopy.path / "Bitmap/Intro");
    writeFile(cdCopy.path / "Bitmap/Games/01bckg.bmp", "");
    writeFile(cdCopy.path / "Bitmap/Intro/bckgrnd.bmp", "");
    fs::remove(hd.path / "05.dat");
    ini(cdCopy.path.string());
    expectStops(kCd);

    writeFile(hd.path / "05.dat", "");
    fs::remove(hd.path / "11b.dat");
    ini(BREVION_CD_DIR);
    expectStops(kHd);
}

TEST_F(ProcessTest, SecondCopyHandsOverToTheFirstAndEnds) {
    ini(BREVION_CD_DIR);
    Process first(config.path, runtime.path, {"SDL_VIDEODRIVER=dummy"});
    ASSERT_TRUE(menuBuilt(runtime.path)) << readFile(first.err);

    TempDir secondConfig;
    fs::copy_file(config.path / "Brevion.ini", secondConfig.path / "Brevion.ini");
    Process second(secondConfig.path, runtime.path, {"SDL_VIDEODRIVER=dummy"});
    EXPECT_EQ(second.waitMs(20000), 0) << readFile(second.err);
    EXPECT_EQ(first.waitMs(1000), -1); // the first copy runs on
}

// SIGINT (a terminal's Ctrl+C) ends the program through its normal end, without the end question that
// a close request asks, also without an X connection to wait on (SIGTERM and SIGHUP: the test on X).
TEST_F(ProcessTest, TerminationSignalsEndTheProgramWithoutAsking) {
    ini(BREVION_CD_DIR);
    Process p(config.path, runtime.path, {"SDL_VIDEODRIVER=dummy"});
    ASSERT_TRUE(menuBuilt(runtime.path)) << readFile(p.err);
    ::kill(p.pid, SIGINT);
    EXPECT_EQ(p.waitMs(1000), 0) << readFile(p.err);
    EXPECT_EQ(readFile(p.err).find("Skutočne chcete ukončiť"), std::string::npos) << readFile(p.err);
}
