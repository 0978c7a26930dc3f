#pragma once
// Sentence file of exercise 07, kinds of sentence by the speaker's attitude: the sentence, "@" and its kind
// code; the code is the kind's place in the list (ignoring letter case).
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex07 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 420;
inline constexpr std::array<std::string_view, 5> kKinds = {"Oznamovaci", "Tazaci", "Rozkazovaci", "Praci",
                                                           "Zvolaci"};

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex07
