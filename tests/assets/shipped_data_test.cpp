// The grades file and the empty results tables that a fresh installation holds.
#include "../support/FileBytes.h"

#include <results/Grades.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

TEST(ShippedData, EveryReachableResultGetsAGradeThatNeverFallsWithMoreRightAnswers) {
    const fs::path path = fs::path(BREVION_HD_DIR) / "Znamky.dat";
    const std::string text = readFile(path);
    EXPECT_TRUE(text.ends_with("\r\n"));
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
        EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << "every line ends with CR LF";
    // Read and applied as the program does.
    const auto bands = results::NactiZnamky(path.string());
    ASSERT_EQ(bands.size(), 5u);
    const auto grade = [&bands](int right, int total) { return results::ZnamkaZa(right, total, bands); };
    for (int total : {9, 10, 15, 18, 20, 25, 27, 30, 36, 45}) {
        int previous = 6;
        for (int right = 0; right <= total; ++right) {
            const std::string g = grade(right, total);
            ASSERT_FALSE(g.empty()) << right << " of " << total;
            EXPECT_LE(std::stoi(g), previous) << right << " of " << total;
            previous = std::stoi(g);
        }
        EXPECT_EQ(grade(total, total), "1");
        EXPECT_EQ(grade(0, total), "5");
    }
    // the band edges: 90 % is still a one, 74 % of 27 examples a three
    EXPECT_EQ(grade(9, 10), "1");
    EXPECT_EQ(grade(20, 27), "3");
    EXPECT_EQ(grade(3, 4), "2");
}

TEST(ShippedData, EveryExerciseHasAnEmptyResultsTable) {
    for (const char* key : {"01", "02", "03", "04", "05", "06", "06b", "07", "08", "08b", "09", "10", "11",
                            "11b", "12", "13", "14"}) {
        const fs::path p = fs::path(BREVION_HD_DIR) / ("P" + std::string(key) + ".res");
        ASSERT_TRUE(fs::exists(p)) << p;
        EXPECT_EQ(fs::file_size(p), 0u) << p;
    }
}

} // namespace
