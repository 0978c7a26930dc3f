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

// The exercise's sentence data file (stored form): its format, its reading (platform::FileError)
// and what in one sentence its screen cannot show or answer.
const framework::SentenceReader& reader();
inline const framework::SentenceFormat& format() {
    return reader().format();
}
inline framework::SentenceTable NactiSoubor(const std::string& path) {
    return reader().read(path);
}
inline void check(const framework::Sentence& s, framework::Problems& p) {
    reader().check(s, p);
}

} // namespace ex08
