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
    // The size fitted to each width. Too long even at 8 points (the last two widths): the floor
    // holds instead of shrinking without end.
    const std::pair<int, int> fitted[] = {{120, 12}, {119, 11}, {100, 10}, {80, 8}, {5, 8}, {0, 8}};
    for (const auto& [width, size] : fitted)
        EXPECT_EQ(fitFontSize(words, width, fakeWidth), size) << width;
}

TEST(RowTops, SmallerSizesSitLowerOnTheRow) {
    const int row3 = 33 * 3 + 62;
    // A size and its top on the row.
    const std::pair<int, int> tops[] = {{12, 62}, {11, 64}, {10, 65}, {9, 66}, {8, 66}};
    for (const auto& [size, top] : tops)
        EXPECT_EQ(topForSize(row3, size), 33 * 3 + top) << size;
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
