#pragma once
// Sentence file of exercise 06, agreeing and non-agreeing attributes: the phrase, "@" and its kind; one slot
// per sentence.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex06 {

inline constexpr int kSlots = 1;
// The card's label: 149 pixels wide, one point smaller than the screen's font.
inline constexpr int kCardWidth = 149;
inline constexpr int kCardPoints = 11;
inline constexpr std::int32_t kAgreeing = 1;
inline constexpr std::int32_t kNonAgreeing = 2;
inline constexpr std::array<std::string_view, 2> kKinds = {"PkS", "PkN"};
// A run draws five pages of nine cards, and a page may hold at most seven of one kind.
inline constexpr int kDraws = 45;
inline constexpr int kPages = 5;
inline constexpr int kMinPerKindAndPage = 2;

// Problems of the whole file: whether the draw of 45 cards can always finish.
void checkFile(const framework::SentenceTable& table, framework::Problems& problems);

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex06
