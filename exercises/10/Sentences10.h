#pragma once
// Sentence file of exercise 10, main and subordinate clauses: "," ends a clause (and stays in it), "#" marks
// a main clause, "$" a subordinate clause.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex10 {

inline constexpr int kSlots = 7;
inline constexpr int kRowLimit = 510;
inline constexpr std::int32_t kMain = 1;
inline constexpr std::int32_t kSubordinate = 2;

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex10
