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

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex08
