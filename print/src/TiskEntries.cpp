// Entries of "Tisk.dll": exercises 01 to 08 and 06b.
#include "Entry.h"

#include <type_traits>

TISK_LINES_ENTRY(TR1, "01");
TISK_LINES_ENTRY(TR2, "02");
TISK_LINES_ENTRY(TR3, "03");
TISK_LINES_ENTRY(TR4, "04");
TISK_LINES_ENTRY(TR6, "06");
TISK_LINES_ENTRY(TR6b, "06b");
TISK_LINES_ENTRY(TR7, "07");
TISK_LINES_ENTRY(TR8, "08");

// The word table of 30 x 15 words and the marker table of 30 x 15 bytes; a marked word is bold.
TISK_EXPORT int TR5(const tisk::ShortString* words, const std::uint8_t* markers, std::uint8_t count,
                    const tisk::ShortString* name) {
    return tisk::printMarkedWords("05", words, markers, count, name);
}
static_assert(std::is_same_v<decltype(TR5), tisk::MarkedWordsEntry>);

// The answer key of the sheet just printed.
TISK_EXPORT int TRKey(const tisk::ShortString* exercise, const tisk::ShortString* title,
                      const tisk::ShortString* questions, const tisk::ShortString* answers,
                      std::uint8_t count, char* kept, std::uint32_t keptSize) {
    return tisk::printKey(exercise, title, questions, answers, count, kept, keptSize);
}
static_assert(std::is_same_v<decltype(TRKey), tisk::KeyEntry>);
