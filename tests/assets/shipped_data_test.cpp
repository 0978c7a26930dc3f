// The grades file and the empty results tables that a fresh installation holds.
#include "ReadWhole.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Band {
    int lower, upper, grade;
};

std::vector<Band> shippedBands() {
    const std::string text = slurp(fs::path(BREVION_HD_DIR) / "Znamky.dat");
    std::vector<Band> bands;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        Band b{};
        char sep1 = 0, sep2 = 0;
        std::istringstream line(text.substr(start, end - start));
        line >> b.lower >> sep1 >> b.upper >> sep2 >> b.grade;
        EXPECT_TRUE(line && line.peek() == EOF && sep1 == '|' && sep2 == '|')
            << text.substr(start, end - start);
        bands.push_back(b);
        start = end + 2;
    }
    return bands;
}

// The program's rule: the grade of the last band in file order that contains the percentage.
std::string grade(const std::vector<Band>& bands, int right, int total) {
    const double p = double(right) / total * 100;
    std::string g;
    for (const Band& b : bands)
        if (b.upper >= p && b.lower <= p) g = std::to_string(b.grade);
    return g;
}

TEST(ShippedData, EveryReachableResultGetsAGradeThatNeverFallsWithMoreRightAnswers) {
    const auto bands = shippedBands();
    ASSERT_EQ(bands.size(), 5u);
    for (int total : {9, 10, 15, 18, 20, 25, 27, 30, 36, 45}) {
        int previous = 6;
        for (int right = 0; right <= total; ++right) {
            const std::string g = grade(bands, right, total);
            ASSERT_FALSE(g.empty()) << right << " of " << total;
            EXPECT_LE(std::stoi(g), previous) << right << " of " << total;
            previous = std::stoi(g);
        }
        EXPECT_EQ(grade(bands, total, total), "1");
        EXPECT_EQ(grade(bands, 0, total), "5");
    }
    // the band edges: 90 % is still a one, 74 % of 27 examples a three
    EXPECT_EQ(grade(bands, 9, 10), "1");
    EXPECT_EQ(grade(bands, 20, 27), "3");
    EXPECT_EQ(grade(bands, 3, 4), "2");
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
