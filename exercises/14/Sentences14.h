#pragma once
// Sentence file of exercise 14, the comma in a compound sentence: words separated by spaces, "," after a word
// where a comma belongs.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex14 {

inline constexpr int kSlots = 20;
inline constexpr int kRowLimit = 480;
inline constexpr std::int32_t kComma = 1;

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

} // namespace ex14
