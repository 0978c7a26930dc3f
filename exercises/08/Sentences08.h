#pragma once
// Sentence file of exercise 08, one-member and two-member sentences: the sentence, "@" and its kind.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex08 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 430;
inline constexpr std::array<std::string_view, 2> kKinds = {"Jednoclenna", "Dvojclenna"};

// The sentence file: its reader, and the format, reading (platform::FileError) and check of it.
const framework::SentenceReader& reader();
inline constexpr auto format = &framework::ReaderFunctions<reader>::format;
inline constexpr auto NactiSoubor = &framework::ReaderFunctions<reader>::read;
inline constexpr auto check = &framework::ReaderFunctions<reader>::check;

} // namespace ex08
