#pragma once
// Sentence file of exercise 08, one-member and two-member sentences: the sentence, "@" and its kind.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex08 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 430;
inline constexpr std::array<std::string_view, 2> kKinds = {"Jednoclenna", "Dvojclenna"};

const framework::SentenceFormat& format();

// Reads the exercise's sentence data file (stored form). Throws platform::FileError.
framework::SentenceTable NactiSoubor(const std::string& path);

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex08
