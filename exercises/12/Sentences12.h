#pragma once
// Sentence file of exercise 12, completing connecting expressions: "#" in a word makes it the gap, each "$"
// starts a candidate (the first is the correct one); candidates go to the remarks of slots 1 to 3.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex12 {

inline constexpr int kSlots = 15;
inline constexpr std::int32_t kGap = 1;
inline constexpr int kCandidates = 3;
// The words keep the screen's font; the gap's chooser is 80 pixels wide and the row must end
// before the evaluation image.
inline constexpr int kPoints = 12;
inline constexpr int kRowLeft = 18;
inline constexpr int kRowRight = 605;
inline constexpr int kGapWidth = 80;
// A list item: 76 pixels, one point smaller than the screen's font.
inline constexpr int kItemWidth = 76;
inline constexpr int kItemPoints = 11;

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex12
