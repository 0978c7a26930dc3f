#pragma once
// Sentence file of exercise 11, kinds of subordinate clause: "#" starts a main clause, "$" a subordinate
// clause,
// "," starts a slot of its own, "@" starts the kind key.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex11 {

inline constexpr int kSlots = 7;
inline constexpr int kRowLimit = 420;
inline constexpr std::int32_t kSubordinate = 2;
// The kinds of the pop-up list ("Doplnkove" has a correct-answer text but no item).
inline constexpr std::array<std::string_view, 8> kKinds = {"Prislcasove",   "Prislmistni", "Prislzpusobove",
                                                           "Prislpricinne", "Podmetne",    "Predmetne",
                                                           "Privlastkove",  "Prisudkove"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex11
