// Entries of "Tisk2.dll": exercises 08b, 09 to 14 and 11b.
#include "Entry.h"

#include <type_traits>

TISK_LINES_ENTRY(TR8b, "08b");
TISK_LINES_ENTRY(TR9, "09");
TISK_LINES_ENTRY(TR10, "10");
TISK_LINES_ENTRY(TR11, "11");
TISK_LINES_ENTRY(TR13, "13");
TISK_LINES_ENTRY(TR14, "14");

// The words of 30 examples, 15 each, and a bold flag per word.
TISK_EXPORT int TR11b(const tisk::ShortString* words, const std::uint8_t* bold, std::uint8_t count,
                      const tisk::ShortString* name) {
    return tisk::printMarkedWords("11b", words, bold, count, name);
}
static_assert(std::is_same_v<decltype(TR11b), tisk::MarkedWordsEntry>);

// The words of 30 examples, 15 each, printed one after another; one of them is the gap.
TISK_EXPORT int TR12(const tisk::ShortString* words, std::uint8_t count, const tisk::ShortString* name) {
    return tisk::printWords("12", words, count, name);
}
static_assert(std::is_same_v<decltype(TR12), tisk::WordsEntry>);

// The answer key of the sheet just printed.
TISK_EXPORT int TRKey(const tisk::ShortString* exercise, const tisk::ShortString* title,
                      const tisk::ShortString* questions, const tisk::ShortString* answers,
                      std::uint8_t count, char* kept, std::uint32_t keptSize) {
    return tisk::printKey(exercise, title, questions, answers, count, kept, keptSize);
}
static_assert(std::is_same_v<decltype(TRKey), tisk::KeyEntry>);
