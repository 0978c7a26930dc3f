#include "results/Grades.h"

#include <platform/errors.h>

#include <gtest/gtest.h>

using results::GradeBand;
using results::parseGradeBands;
using results::ZnamkaZa;

namespace {
const std::vector<GradeBand> kFiveBands =
    parseGradeBands("0|49|5\r\n50|64|4\r\n65|79|3\r\n80|89|2\r\n90|100|1\r\n", "test");
}

// Bands are inclusive percentages; a gap between bands, or a run of length zero, gives no grade;
// where bands overlap the later one wins.
TEST(Grades, PercentageFallsIntoItsBand) {
    ASSERT_EQ(kFiveBands.size(), 5u);
    const auto overlapping = parseGradeBands("0|50|4\n50|100|3\n", "test");
    struct Case {
        int right, total;
        const std::vector<GradeBand>& bands;
        const char* grade;
    } cases[] = {
        {7, 10, kFiveBands, "3"}, {2, 3, kFiveBands, "3"},   {10, 10, kFiveBands, "1"},
        {0, 10, kFiveBands, "5"}, {99, 200, kFiveBands, ""}, {0, 0, kFiveBands, ""},
        {3, 0, kFiveBands, ""},   {5, 10, overlapping, "3"}, {4, 10, overlapping, "4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZnamkaZa(c.right, c.total, c.bands), c.grade) << c.right << "/" << c.total;
}

TEST(Grades, FileShapes) {
    EXPECT_EQ(parseGradeBands("0|100|1", "test").size(), 1u);
    EXPECT_TRUE(parseGradeBands("", "test").empty());
    EXPECT_EQ(ZnamkaZa(5, 10, {}), "");
    EXPECT_THROW(parseGradeBands("0|49|x\n", "test"), platform::ConversionError);
    EXPECT_THROW(parseGradeBands("0|49\n", "test"), platform::ConversionError);
    EXPECT_THROW(parseGradeBands("0|49|5|7\n", "test"), platform::ConversionError);
    EXPECT_THROW(results::NactiZnamky("/nonexistent/Znamky.dat"), platform::FileError);
}
