// scripts/prepare-data.sh writes Brevion.ini when needed, seeds the HD root with the shipped files,
// and never changes a pupil's results tables or the results log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

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
        fs::create_directories(build / "tree/cd/Bitmap");
        write(build / "tree/hd/01.dat", "new sentences\r\n");
        write(build / "tree/hd/Znamky.dat", "0|100|1\r\n");
        write(build / "tree/hd/P01.res", "");
        write(build / "tree/hd/P02.res", "");
        fs::create_directories(home);
    }
    void TearDown() override { fs::remove_all(root); }

    int run(const std::string& extraEnv = "") {
        const std::string cmd = "env -i PATH=\"$PATH\" HOME=" + home.string() + " " + extraEnv + " " +
                                BREVION_SOURCE_DIR "/scripts/prepare-data.sh " + build.string() +
                                " >/dev/null";
        return std::system(cmd.c_str());
    }
    fs::path ini() const { return home / ".config/Brevion.ini"; }
    fs::path defaultHd() const { return home / ".local/share/brevion"; }

    fs::path root, build, home;
};

TEST_F(PrepareData, FreshInstallWritesTheIniAndSeedsTheDataRoot) {
    ASSERT_EQ(run(), 0);
    EXPECT_EQ(slurp(ini()),
              "[CES1]\r\nCD=" + (build / "tree/cd").string() + "\r\nHD=" + defaultHd().string() + "\r\n");
    EXPECT_EQ(slurp(defaultHd() / "01.dat"), "new sentences\r\n");
    EXPECT_EQ(slurp(defaultHd() / "Znamky.dat"), "0|100|1\r\n");
    EXPECT_TRUE(fs::exists(defaultHd() / "P01.res"));
    EXPECT_TRUE(fs::exists(defaultHd() / "P02.res"));
}

TEST_F(PrepareData, KeepsResultsAndTheLogByteForByteAndRefreshesSentences) {
    ASSERT_EQ(run(), 0);
    const std::string results = "Zuzka|10|0|1\r\nJano|7|3|3\r\n", log = "Meno:  Zuzka\r\n====\r\n";
    write(defaultHd() / "P01.res", results);
    write(defaultHd() / "Vysledky.dat", log);
    write(defaultHd() / "01.dat", "old sentences\r\n");
    fs::remove(defaultHd() / "P02.res");
    const std::string iniBefore = slurp(ini());

    ASSERT_EQ(run(), 0);
    EXPECT_EQ(slurp(defaultHd() / "P01.res"), results);
    EXPECT_EQ(slurp(defaultHd() / "Vysledky.dat"), log);
    EXPECT_EQ(slurp(defaultHd() / "01.dat"), "new sentences\r\n");
    EXPECT_TRUE(fs::exists(defaultHd() / "P02.res"));
    EXPECT_EQ(slurp(ini()), iniBefore);
}

TEST_F(PrepareData, AStaleCdRootIsReplacedAndTheNamedHdRootKept) {
    const fs::path hd = root / "school-data";
    write(root / "config/Brevion.ini",
          "[ces1]\r\ncd=" + (root / "gone").string() + "\r\nHD=" + hd.string() + "\r\n");
    write(hd / "P01.res", "Eva|9|1|1\r\n");
    ASSERT_EQ(run("XDG_CONFIG_HOME=" + (root / "config").string()), 0);
    EXPECT_EQ(slurp(root / "config/Brevion.ini"),
              "[CES1]\r\nCD=" + (build / "tree/cd").string() + "\r\nHD=" + hd.string() + "\r\n");
    EXPECT_EQ(slurp(hd / "P01.res"), "Eva|9|1|1\r\n");
    EXPECT_EQ(slurp(hd / "01.dat"), "new sentences\r\n");
    EXPECT_FALSE(fs::exists(defaultHd()));
}

TEST_F(PrepareData, RefusesABuildWithoutAnInstallationTree) {
    fs::remove_all(build / "tree");
    EXPECT_NE(run(), 0);
    EXPECT_FALSE(fs::exists(ini()));
}

} // namespace
