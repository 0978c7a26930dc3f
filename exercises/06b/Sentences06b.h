#pragma once
// Sentence file of exercise 06b, apposition commas: words separated by spaces, "," after a word where a comma
// belongs.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex06b {

inline constexpr int kSlots = 30;
// Words joined without spaces stay under this width on each of the row's two lines.
inline constexpr int kLineLimit = 490;
// The words keep the screen's font.
inline constexpr int kPoints = 12;
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

} // namespace ex06b
