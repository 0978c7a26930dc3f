// Row layout: font fitting with its floor, tops by fitted size, placement of the words.
#include "framework/RowLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using framework::fitFontSize;
using framework::placeWords;
using framework::topForSize;

// Every character is `size` pixels wide.
int fakeWidth(std::string_view text, int size, bool) {
    return int(text.size()) * size;
}

TEST(FontFitting, ShrinksPointByPointAndStopsAtEightPoints) {
    const std::vector<std::string> words{"aaaaa", "", "bbbbb"}; // 10 characters, the empty slot adds nothing
    EXPECT_EQ(fitFontSize(words, 120, fakeWidth), 12);
    EXPECT_EQ(fitFontSize(words, 119, fakeWidth), 11);
    EXPECT_EQ(fitFontSize(words, 100, fakeWidth), 10);
    EXPECT_EQ(fitFontSize(words, 80, fakeWidth), 8);
    // Too long even at 8 points: the floor holds instead of shrinking without end.
    EXPECT_EQ(fitFontSize(words, 5, fakeWidth), framework::kMinFontSize);
    EXPECT_EQ(fitFontSize(words, 0, fakeWidth), framework::kMinFontSize);
}

TEST(RowTops, SmallerSizesSitLowerOnTheRow) {
    const int row3 = 33 * 3 + 62;
    EXPECT_EQ(topForSize(row3, 12), 33 * 3 + 62);
    EXPECT_EQ(topForSize(row3, 11), 33 * 3 + 64);
    EXPECT_EQ(topForSize(row3, 10), 33 * 3 + 65);
    EXPECT_EQ(topForSize(row3, 9), 33 * 3 + 66);
    EXPECT_EQ(topForSize(row3, 8), 33 * 3 + 66);
    // The same steps hold on the 36-pixel rows.
    EXPECT_EQ(topForSize(36 * 2 + 59, 9), 36 * 2 + 63);
}

TEST(WordPlacement, GapsExceptBeforeStickingPunctuationAndEmptySlotsPassedOver) {
    struct Case {
        std::vector<std::string> texts;
        std::vector<int> widths;
        std::vector<std::pair<int, int>> placed; // slot and left of each word placed
    };
    const Case cases[] = {
        {{"Prišli", "", "domov", ",", "keď", "pršalo", "?", "!", ".", "x"},
         {40, 0, 30, 4, 20, 35, 6, 3, 3, 5},
         {{0, 18}, {2, 61}, {3, 91}, {4, 98}, {5, 121}, {6, 156}, {7, 162}, {8, 165}, {9, 171}}},
        // A first slot left empty starts the row with the next word.
        {{"", "Ide", "."}, {0, 20, 3}, {{1, 18}, {2, 38}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<int, int>> placed;
        for (const auto& p : placeWords(c.texts, c.widths, 18))
            placed.emplace_back(p.slot, p.left);
        EXPECT_EQ(placed, c.placed);
    }
}

} // namespace
