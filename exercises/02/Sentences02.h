#pragma once
// Sentence file of exercise 02, kinds of subject: "#" marks a subject word, "@" starts the kind of subject.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex02 {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 470;
inline constexpr std::int32_t kSubject = 1;
// The kinds the choice image cycles through: simple, expanded, multiple.
inline constexpr std::array<std::string_view, 3> kKinds = {"H", "R", "N"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex02
