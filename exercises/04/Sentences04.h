#pragma once
// Sentence file of exercise 04, kinds of predicate: "$" marks a predicate word, "#" starts the kind (slot 1's
// remark), "@" the extent (slot 2's remark).
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex04 {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 420;
inline constexpr std::int32_t kPredicate = 1;
// Verbal or nominal; simple, expanded or multiple.
inline constexpr std::array<std::string_view, 2> kKinds = {"SLOV", "JMSS"};
inline constexpr std::array<std::string_view, 3> kExtents = {"H", "R", "N"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex04
