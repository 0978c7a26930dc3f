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

const framework::SentenceFormat& format();

// Reads the exercise's sentence data file (stored form). Throws platform::FileError.
framework::SentenceTable NactiSoubor(const std::string& path);

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex06b
