// The real program as a process: what start-up says and how it ends when the installation is
// incomplete, and a second copy that hands over to the first.
#include "ShellFixture.h"

#include <chrono>
#include <csignal>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

// The program with a clean environment. Without `dummyVideo`, SDL is told to use X11 with no
// display, so any use of the display fails loudly.
struct Process {
    Process(const fs::path& config, const fs::path& runtime, bool dummyVideo) : err(config / "stderr.txt") {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config.string(),
                                        "XDG_RUNTIME_DIR=" + runtime.string(), "HOME=" + config.string(),
                                        "SDL_AUDIODRIVER=dummy",
                                        dummyVideo ? "SDL_VIDEODRIVER=dummy" : "SDL_VIDEODRIVER=x11"};
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        std::string program = BREVION_PROGRAM;
        char* argv[] = {program.data(), nullptr};
        if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Process() {
        if (pid <= 0 || !running) return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    // The exit status, 128 + signal, or -1 while still running after `seconds`.
    int wait(int seconds) {
        for (int i = 0; i < seconds * 20; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) != pid) continue;
            running = false;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        return -1;
    }
    fs::path err;
    pid_t pid = -1;
    bool running = true;
};

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
    // The program ends at once with exactly `message` (the missing system message box may add a
    // line of its own), never having asked for the display.
    void expectStops(const std::string& message) {
        Process p(config.path, runtime.path, false);
        EXPECT_EQ(p.wait(20), 1);
        const std::string err = readFile(p.err);
        EXPECT_EQ(err.rfind(message, 0), 0u) << err;
        for (const std::string& other : {kIni, kCd, kHd})
            EXPECT_TRUE(other == message || err.find(other) == std::string::npos) << err;
        EXPECT_EQ(err.find("SDL"), std::string::npos) << err;
    }
};

} // namespace

TEST_F(ProcessTest, IncompleteInstallationStopsWithItsMessageBeforeTheDisplay) {
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
    Process first(config.path, runtime.path, true);
    // The first copy listens for later copies once it has built the menu.
    auto listening = [&] {
        for (auto& entry : fs::directory_iterator(runtime.path))
            if (entry.path().extension() == ".sock") return true;
        return false;
    };
    for (int i = 0; i < 200 && !listening(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(listening()) << readFile(first.err);

    TempDir secondConfig;
    fs::copy_file(config.path / "Brevion.ini", secondConfig.path / "Brevion.ini");
    Process second(secondConfig.path, runtime.path, true);
    EXPECT_EQ(second.wait(20), 0) << readFile(second.err);
    EXPECT_EQ(first.wait(1), -1); // the first copy runs on
}
