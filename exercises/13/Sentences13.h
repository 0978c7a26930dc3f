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

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex13
