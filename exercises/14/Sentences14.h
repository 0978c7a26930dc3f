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

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex14
