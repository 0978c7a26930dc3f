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

const framework::SentenceFormat& format();

// Reads the exercise's sentence data file (stored form). Throws platform::FileError.
framework::SentenceTable NactiSoubor(const std::string& path);

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex09
