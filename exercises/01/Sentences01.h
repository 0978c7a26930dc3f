#pragma once
// Sentence file of exercise 01, subject and predicate: "#" marks a subject word, "$" a predicate word, "@"
// starts the unexpressed subject (at most three letters, typed by the pupil).
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex01 {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 470;
inline constexpr std::int32_t kSubject = 1;
inline constexpr std::int32_t kPredicate = 2;
// Characters the pupil can type into the answer field.
inline constexpr std::size_t kAnswerFieldLength = 3;

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex01
