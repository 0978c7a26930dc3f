#pragma once
// Sentence file of exercise 09, relations between main clauses: the sentence, "@" and its relation key.
#include "framework/SentenceChecks.h"
#include "framework/SentenceFile.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ex09 {

inline constexpr int kSlots = 1;
inline constexpr int kRowLimit = 420;
inline constexpr std::array<std::string_view, 5> kRelations = {"Slucovaci", "Odporovaci", "Stupnovaci",
                                                               "Pricinny", "Vylucovaci"};

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

} // namespace ex09
