#pragma once
// Sentence file of exercise 13, kinds of compound sentence: the sentence, "@" and its kind.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex13 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 470;
inline constexpr std::array<std::string_view, 2> kKinds = {"souradici", "podradici"};

const framework::SentenceFormat& format();

// Reads the exercise's sentence data file (stored form). Throws platform::FileError.
framework::SentenceTable NactiSoubor(const std::string& path);

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex13
