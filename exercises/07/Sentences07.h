#pragma once
// Sentence file of exercise 07, kinds of sentence by the speaker's attitude: the sentence, "@" and its kind
// code; the code is the kind's place in the list (ignoring letter case).
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex07 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 420;
inline constexpr std::array<std::string_view, 5> kKinds = {"Oznamovaci", "Tazaci", "Rozkazovaci", "Praci",
                                                           "Zvolaci"};

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

} // namespace ex07
