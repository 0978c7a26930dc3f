#pragma once
// Laying a sentence out as a row of word labels: the font size that makes the words fit, the top
// that goes with that size, and the left of every word.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// Width in pixels of a text at a size in points, regular or bold.
using MeasureText = std::function<int(std::string_view text, int points, bool bold)>;

inline constexpr int kFormFontSize = 12;
// Fitting never goes below this size: a sentence too long even here keeps it and runs wider.
inline constexpr int kMinFontSize = 8;
// Room between two words; punctuation that sticks to the word before it gets none.
inline constexpr int kWordGap = 3;

// The largest size from `startSize` down to kMinFontSize at which the texts, joined without any
// separator, are at most `limit` pixels wide.
int fitFontSize(const std::vector<std::string>& texts, int limit, const MeasureText& measure,
                int startSize = kFormFontSize, bool bold = false);

// The top of a word label at a fitted size, from the top that the row has at the form's size:
// smaller sizes sit lower so that the words keep one baseline.
int topForSize(int topAtFormSize, int size);

// Texts that follow the word before them without a gap.
bool sticksToPrevious(std::string_view text);

struct Placed {
    int slot = 0; // index into the texts
    int left = 0;
};

// Lefts of the non-empty texts: the first at `firstLeft`, each further one after the previous
// word's width plus kWordGap, or with no gap when `sticks` says so. Empty texts are passed over:
// the next word follows the last word shown.
std::vector<Placed> placeWords(const std::vector<std::string>& texts, const std::vector<int>& widths,
                               int firstLeft,
                               const std::function<bool(std::string_view)>& sticks = sticksToPrevious);

} // namespace framework
