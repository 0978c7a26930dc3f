#pragma once
// Sentence file of exercise 08b, comma in a simple sentence: words separated by spaces, "," after a word
// where a comma belongs, "#" starts the kind of what the commas set apart.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex08b {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 400;
inline constexpr std::int32_t kComma = 1;
// The kinds of the pop-up list ("vsuvka" has a correct-answer text but no item).
inline constexpr std::array<std::string_view, 4> kKinds = {"citoslovce", "osloveni", "samostatny",
                                                           "nekolikanasobny"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex08b
