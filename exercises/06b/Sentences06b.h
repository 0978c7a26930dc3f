#pragma once
// Sentence file of exercise 06b, apposition commas: words separated by spaces, "," after a word where a comma
// belongs.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex06b {

inline constexpr int kSlots = 30;
// Words joined without spaces stay under this width on each of the row's two lines.
inline constexpr int kLineLimit = 490;
// The words keep the screen's font.
inline constexpr int kPoints = 12;
inline constexpr std::int32_t kComma = 1;

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex06b
