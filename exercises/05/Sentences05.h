#pragma once
// Sentence file of exercise 05, sentence members: "$" marks the word to classify, "@" starts its answer code;
// the marked word's code is the answer code's place in the code list (ignoring letter case), 0 when absent.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex05 {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 420;
// Every answer code that makes a word bold, with its word code (position + 1).
inline constexpr std::array<std::string_view, 9> kAnswerCodes = {"Pod", "Pris", "Pred", "PkS", "PkN",
                                                                 "PuC", "PuM",  "PuZ",  "Dop"};
// The codes the pop-up list can give ("Dop" has no item).
inline constexpr std::array<std::string_view, 8> kOfferedCodes = {"Pod", "Pris", "Pred", "PkS",
                                                                  "PkN", "PuC",  "PuM",  "PuZ"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex05
