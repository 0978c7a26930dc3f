#pragma once
// Worksheets: the print data of a drawn run and the call of the print library's entry.
#include "framework/SentenceFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {
class LibraryLoader;
class MessageBoxes;
} // namespace platform

namespace framework {

inline constexpr std::size_t kPrintLineLength = 255;

inline constexpr const char* kPrintFailureCaption = "Upozornenie pri tlači";
inline constexpr const char* kPrintFailureText =
    "Nie je nainštalovaná žiadna tlačiareň alebo sa vyskytla neočakávaná chyba pri práci s tlačiarňou.";

// The first `length` characters (not bytes) of UTF-8 text.
std::string cutToCharacters(const std::string& text, std::size_t length);

// A sentence as one print line: the words of slots 1 to `printedSlots`, each followed by a space
// unless the next slot holds exactly "." (so a full stop sticks to its word), cut at 255 characters.
std::string wordsPrintLine(const Sentence& sentence, int printedSlots);

// The block of short strings a standard entry receives: `blockSize` entries, lines converted to
// Windows-1250 (platform::ConversionError when they cannot be) and cut at 255 bytes.
std::vector<unsigned char> shortStringBlock(const std::vector<std::string>& lines, int blockSize);

// Calls a standard entry (lines, number of examples, pupil's name) and returns its status.
int callLinesEntry(void* entry, const std::vector<std::string>& lines, int blockSize, int count,
                   const std::string& pupilName);

// Calls an entry of the marked-words form ("TR5"): `words` and `flags` hold one row per example of
// up to tisk::kWordsPerExample words and flags; they are passed as the full tables of
// tisk::kMaxExamples examples, words as short strings, a non-zero flag marking its word.
int callMarkedWordsEntry(void* entry, const std::vector<std::vector<std::string>>& words,
                         const std::vector<std::vector<std::uint8_t>>& flags, int count,
                         const std::string& pupilName);

// One worksheet: in a short-lived helper process (platform::callEntryInHelper) loads the library,
// looks up the entry and lets `print` build the data and call the entry (returning the entry's
// status). Every failure (the library or the
// entry missing, a sentence file or a text that cannot be read or converted, the library's own
// failure) shows the print failure message. A library that found no default printer raises
// platform::PrinterError with noDefaultPrinter() set, for the application's printer notice.
void printSheet(platform::LibraryLoader& loader, platform::MessageBoxes& boxes,
                const std::string& libraryPath, const std::string& entryName,
                const std::function<int(void* entry)>& print);

} // namespace framework
