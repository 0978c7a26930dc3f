// The start command (bin/brevion, also behind scripts/prepare-data.sh) writes Brevion.ini when
// needed, seeds the HD root with the shipped files, never changes a pupil's results tables or the
// results log, follows the administrator's shared HD root, and then starts the program.
#include "../support/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

void write(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

class PrepareData : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("brevion-prepare-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        build = root / "build";
        home = root / "home";
        // A build folder as the start command finds it: bin/, shell/ and tree/ side by side.
        fs::create_directories(build / "bin");
        fs::copy_file(BREVION_BINARY_DIR "/bin/brevion", build / "bin/brevion");
        write(build / "shell/brevion", "#!/bin/sh\necho started > \"$HOME/started\"\n");
        fs::permissions(build / "shell/brevion", fs::perms::owner_all, fs::perm_options::add);
        fs::create_directories(build / "tree/cd/Bitmap");
        write(build / "tree/hd/01.dat", "new sentences\r\n");
        write(build / "tree/hd/Znamky.dat", "0|100|1\r\n");
        write(build / "tree/hd/P01.res", "");
        write(build / "tree/hd/P02.res", "");
        fs::create_directories(home);
    }
    void TearDown() override { fs::remove_all(root); }

    // Prepares the data as the run command does; the exit status of the script.
    int run(const std::string& extraEnv = "") {
        return shell(extraEnv, BREVION_SOURCE_DIR "/scripts/prepare-data.sh " + build.string());
    }
    // The start command itself with `args`.
    int start(const std::string& args) { return shell("", (build / "bin/brevion").string() + " " + args); }
    int shell(const std::string& extraEnv, const std::string& command) {
        const std::string cmd = "env -i PATH=\"$PATH\" HOME=" + home.string() +
                                " BREVION_SYSTEM_CONF=" + (root / "brevion.conf").string() + " " + extraEnv +
                                " " + command + " >" + (root / "out").string() + " 2>&1";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string output() const { return readFile(root / "out"); }
    fs::path ini() const { return home / ".config/Brevion.ini"; }
    fs::path defaultHd() const { return home / ".local/share/brevion"; }

    fs::path root, build, home;
};

TEST_F(PrepareData, SeedsAFreshDataRootThenKeepsResultsAndTheLogByteForByteAndRefreshesSentences) {
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(readFile(ini()),
              "[CES1]\r\nCD=" + (build / "tree/cd").string() + "\r\nHD=" + defaultHd().string() + "\r\n");
    EXPECT_EQ(readFile(defaultHd() / "01.dat"), "new sentences\r\n");
    EXPECT_EQ(readFile(defaultHd() / "Znamky.dat"), "0|100|1\r\n");
    EXPECT_TRUE(fs::exists(defaultHd() / "P01.res"));
    EXPECT_TRUE(fs::exists(defaultHd() / "P02.res"));

    const std::string results = "Zuzka|10|0|1\r\nJano|7|3|3\r\n", log = "Meno:  Zuzka\r\n====\r\n";
    write(defaultHd() / "P01.res", results);
    write(defaultHd() / "Vysledky.dat", log);
    write(defaultHd() / "01.dat", "old sentences\r\n");
    fs::remove(defaultHd() / "P02.res");
    const std::string iniBefore = readFile(ini());

    ASSERT_EQ(run(), 0);
    EXPECT_EQ(readFile(defaultHd() / "P01.res"), results);
    EXPECT_EQ(readFile(defaultHd() / "Vysledky.dat"), log);
    EXPECT_EQ(readFile(defaultHd() / "01.dat"), "new sentences\r\n");
    EXPECT_TRUE(fs::exists(defaultHd() / "P02.res"));
    EXPECT_EQ(readFile(ini()), iniBefore);
}

TEST_F(PrepareData, AStaleCdRootIsReplacedAndTheNamedHdRootKept) {
    const fs::path hd = root / "school-data";
    write(root / "config/Brevion.ini",
          "[ces1]\r\ncd=" + (root / "gone").string() + "\r\nHD=" + hd.string() + "\r\n");
    write(hd / "P01.res", "Eva|9|1|1\r\n");
    ASSERT_EQ(run("XDG_CONFIG_HOME=" + (root / "config").string()), 0);
    EXPECT_EQ(readFile(root / "config/Brevion.ini"),
              "[CES1]\r\nCD=" + (build / "tree/cd").string() + "\r\nHD=" + hd.string() + "\r\n");
    EXPECT_EQ(readFile(hd / "P01.res"), "Eva|9|1|1\r\n");
    EXPECT_EQ(readFile(hd / "01.dat"), "new sentences\r\n");
    EXPECT_FALSE(fs::exists(defaultHd()));
}

TEST_F(PrepareData, RefusesABuildWithoutAnInstallationTree) {
    fs::remove_all(build / "tree");
    EXPECT_NE(run(), 0);
    EXPECT_FALSE(fs::exists(ini()));
}

TEST_F(PrepareData, TheAdministratorsSharedRootWinsOverEveryUsersOwn) {
    const fs::path shared = root / "server/class 7a";
    ASSERT_EQ(run(), 0); // the user started once before the school set the shared root
    write(root / "brevion.conf", "# school\n  HD = " + shared.string() + "/\n");
    write(shared / "P01.res", "Eva|9|1|1\r\n");
    write(shared / "Vysledky.dat", "Meno:  Eva\r\n");

    ASSERT_EQ(run(), 0);
    EXPECT_EQ(readFile(ini()),
              "[CES1]\r\nCD=" + (build / "tree/cd").string() + "\r\nHD=" + shared.string() + "\r\n");
    EXPECT_EQ(readFile(shared / "P01.res"), "Eva|9|1|1\r\n");
    EXPECT_EQ(readFile(shared / "Vysledky.dat"), "Meno:  Eva\r\n");
    EXPECT_EQ(readFile(shared / "01.dat"), "new sentences\r\n");
    EXPECT_TRUE(fs::exists(shared / "P02.res"));
    for (const auto& entry : fs::directory_iterator(shared)) // no copy left half-way
        EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

TEST_F(PrepareData, ASharedRootThatCannotBeWrittenIsReportedAndTheProgramStillStarts) {
    // A file where the folder should be: nobody can write there, not even root.
    write(root / "not-a-folder", "x");
    const fs::path shared = root / "not-a-folder/class";
    write(root / "brevion.conf", "HD=" + shared.string() + "\n");
    EXPECT_EQ(start(""), 0);
    EXPECT_NE(output().find(shared.string() + "/01.dat"), std::string::npos) << output();
    EXPECT_TRUE(fs::exists(home / "started"));
}

// The options that only answer write nothing; preparing and starting write the user's files.
TEST_F(PrepareData, StartsTheProgramOnlyWithoutOptionsAndAnswersOptionsInSlovak) {
    struct Case {
        std::string args;
        int status;
        std::string says;
        bool starts;
        bool written; // the user's configuration and data folders exist afterwards
    };
    const Case cases[] = {
        {"--version", 0, "Brevion Lumena ", false, false},
        {"--help", 0, "Použitie: brevion", false, false},
        {"--okno", 2, "neznáma voľba: --okno", false, false},
        {"--help navyse", 2, "priveľa argumentov", false, false},
        {"--priprav", 0, "", false, true},
        {"", 0, "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        fs::remove(home / "started");
        EXPECT_EQ(start(c.args), c.status);
        EXPECT_NE(output().find(c.says), std::string::npos) << output();
        EXPECT_EQ(fs::exists(home / "started"), c.starts);
        EXPECT_EQ(fs::exists(home / ".config"), c.written);
        EXPECT_EQ(fs::exists(home / ".local"), c.written);
    }
}

} // namespace
