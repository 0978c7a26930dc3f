#pragma once
// Sentence file of exercise 03, part of speech of the subject: "#" marks a subject word, "@" starts the
// part-of-speech code, "$" ends it and starts the unexpressed subject.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex03 {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 420;
inline constexpr std::int32_t kSubject = 1;
inline constexpr std::size_t kAnswerFieldLength = 3;
// The part-of-speech codes of the pop-up list, in list order.
inline constexpr std::array<std::string_view, 6> kPartsOfSpeech = {"Pod", "Pri", "Zaj", "Cis", "Slo", "Cit"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex03
