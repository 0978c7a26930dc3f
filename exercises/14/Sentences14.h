#pragma once
// Sentence file of exercise 14, the comma in a compound sentence: words separated by spaces, "," after a word
// where a comma belongs.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex14 {

inline constexpr int kSlots = 20;
inline constexpr int kRowLimit = 480;
inline constexpr std::int32_t kComma = 1;

const framework::SentenceFormat& format();

// Reads the exercise's sentence data file (stored form). Throws platform::FileError.
framework::SentenceTable NactiSoubor(const std::string& path);

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex14
