// The real program as a process: what start-up says and how it ends when the installation is
// incomplete, and a second copy that hands over to the first.
#include "ShellFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Process {
    pid_t pid = -1;
    fs::path stderrFile;

    // Starts the program with a clean environment: the configuration and runtime folders given,
    // and SDL told to use X11 with no display, so that any use of the display fails loudly.
    Process(const fs::path& config, const fs::path& runtime, const fs::path& err, bool dummyDisplay)
        : stderrFile(err) {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config.string(),
                                        "XDG_RUNTIME_DIR=" + runtime.string(),
                                        "HOME=" + config.string(),
                                        "PATH=/usr/bin:/bin",
                                        dummyDisplay ? "SDL_VIDEODRIVER=dummy" : "SDL_VIDEODRIVER=x11",
                                        "SDL_AUDIODRIVER=dummy"};
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        std::string program = BREVION_PROGRAM;
        char* argv[] = {program.data(), nullptr};
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (pid > 0 && !finished) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
    // The exit status, or -1 (still running after `seconds`), or 128 + signal.
    int wait(int seconds) {
        for (int i = 0; i < seconds * 20; ++i) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                finished = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }
    std::string errors() const { return readFile(stderrFile); }
    bool finished = false;
};

constexpr const char* kIniMessage = "Chyba: Nemožno nájsť súbor BREVION.INI. Nainštalujte aplikáciu znova.\n";
constexpr const char* kCdMessage =
    "Chyba: Nemožno korektne čítať z CD-ROM Brevion.\nChyba: Skontrolujte, či je CD-ROM v CD mechanike.\n";
constexpr const char* kHdMessage =
    "Chyba: Nemožno nájsť súbory zo zdrojmi dát.\nChyba: Nainštalujte aplikáciu znova.\n";

struct ProcessTest : ::testing::Test {
    TempDir config, hd, cdCopy, runtime;

    void ini(const std::string& body) { writeFile(config.path / "Brevion.ini", body); }
    std::string iniFor(const fs::path& cd) const {
        return "[CES1]\r\nCD=" + cd.string() + "\r\nHD=" + hd.path.string() + "\r\n";
    }
    // Starts the program and expects it to end at once with exactly `message` (and whatever the
    // missing system message box adds).
    void expectStops(const std::string& message) {
        Process p(config.path, runtime.path, config.path / "stderr.txt", false);
        ASSERT_GT(p.pid, 0);
        EXPECT_EQ(p.wait(20), 1);
        const std::string err = p.errors();
        EXPECT_EQ(err.rfind(message, 0), 0u) << err;
        for (const char* other : {kIniMessage, kCdMessage, kHdMessage})
            if (other != message) {
                EXPECT_EQ(err.find(other), std::string::npos) << err;
            }
        EXPECT_EQ(err.find("SDL"), std::string::npos) << err; // the display was never asked for
    }
};

} // namespace

TEST_F(ProcessTest, IncompleteInstallationStopsWithItsMessageBeforeTheDisplay) {
    seedHdRoot(hd.path);
    expectStops(kIniMessage); // no INI file

    ini("[CES1]\r\nCD=" + std::string(BREVION_CD_DIR) + "\r\n");
    expectStops(kIniMessage); // key HD missing, CD present

    // A CD picture missing together with sentence files: the CD is checked first.
    fs::create_directories(cdCopy.path / "Bitmap" / "Games");
    fs::create_directories(cdCopy.path / "Bitmap" / "Intro");
    writeFile(cdCopy.path / "Bitmap" / "Games" / "01bckg.bmp", "");
    writeFile(cdCopy.path / "Bitmap" / "Intro" / "bckgrnd.bmp", "");
    fs::remove(hd.path / "05.dat");
    ini(iniFor(cdCopy.path));
    expectStops(kCdMessage);

    writeFile(hd.path / "05.dat", "");
    fs::remove(hd.path / "11b.dat");
    ini(iniFor(BREVION_CD_DIR));
    expectStops(kHdMessage);
}

TEST_F(ProcessTest, SecondCopyHandsOverToTheFirstAndEnds) {
    seedHdRoot(hd.path);
    ini(iniFor(BREVION_CD_DIR));
    Process first(config.path, runtime.path, config.path / "first.txt", true);
    ASSERT_GT(first.pid, 0);
    // The first copy holds its claim once it has built the menu.
    bool claimed = false;
    for (int i = 0; i < 200 && !claimed; ++i) {
        for (auto& entry : fs::directory_iterator(runtime.path))
            if (entry.path().extension() == ".sock") claimed = true;
        if (!claimed) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_TRUE(claimed) << first.errors();

    Process second(config.path, runtime.path, config.path / "second.txt", true);
    EXPECT_EQ(second.wait(20), 0) << second.errors();
    EXPECT_EQ(first.wait(1), -1) << first.errors(); // the first copy runs on
}
