#pragma once
// Sentence file of exercise 09, relations between main clauses: the sentence, "@" and its relation key.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex09 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 420;
inline constexpr std::array<std::string_view, 5> kRelations = {"Slucovaci", "Odporovaci", "Stupnovaci",
                                                               "Pricinny", "Vylucovaci"};

// The sentence file: its format and the data tool's check of one sentence.
const framework::SentenceReader& reader();

} // namespace ex09
