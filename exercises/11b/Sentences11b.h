#pragma once
// Sentence file of exercise 11b, parenthesis or inserted clause: "#" anywhere in a word makes it bold, "@"
// starts the key.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex11b {

inline constexpr int kSlots = 15;
inline constexpr int kRowLimit = 470;
inline constexpr std::int32_t kBold = 1;
inline constexpr std::array<std::string_view, 2> kKeys = {"vedlejsi", "vsuvka"};

const framework::SentenceFormat& format();

// What in one sentence this exercise's screen cannot show or answer.
void check(const framework::Sentence& s, framework::Problems& problems);

} // namespace ex11b
