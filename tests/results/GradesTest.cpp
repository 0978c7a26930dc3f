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

TEST(Grades, PercentageFallsIntoItsBand) {
    ASSERT_EQ(kFiveBands.size(), 5u);
    EXPECT_EQ(ZnamkaZa(7, 10, kFiveBands), "3");
    EXPECT_EQ(ZnamkaZa(2, 3, kFiveBands), "3"); // 66.67 %
    EXPECT_EQ(ZnamkaZa(10, 10, kFiveBands), "1");
    EXPECT_EQ(ZnamkaZa(0, 10, kFiveBands), "5");
}

TEST(Grades, PercentageBetweenBandsGivesNoGrade) {
    EXPECT_EQ(ZnamkaZa(99, 200, kFiveBands), ""); // 49.5 %
}

TEST(Grades, LaterOverlappingBandWins) {
    auto bands = parseGradeBands("0|50|4\n50|100|3\n", "test");
    EXPECT_EQ(ZnamkaZa(5, 10, bands), "3");
    EXPECT_EQ(ZnamkaZa(4, 10, bands), "4");
}

TEST(Grades, RunLengthZeroDoesNotDivide) {
    EXPECT_EQ(ZnamkaZa(0, 0, kFiveBands), "");
    EXPECT_EQ(ZnamkaZa(3, 0, kFiveBands), "");
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
