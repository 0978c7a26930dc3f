#pragma once
// Worksheets: the print data of a drawn run and the call of the print library's entry.
#include "framework/SentenceFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace platform {
class LibraryLoader;
class MessageBoxes;
} // namespace platform

namespace framework {

inline constexpr std::size_t kPrintLineLength = 255;

inline constexpr const char* kPrintFailureCaption = "Upozornenie pri tlači";
inline constexpr const char* kPrintCaption = "Tlač";
inline constexpr const char* kPrintFailureText =
    "Nie je nainštalovaná žiadna tlačiareň alebo sa vyskytla neočakávaná chyba pri práci s tlačiarňou.";

// The first `length` characters (not bytes) of UTF-8 text.
std::string cutToCharacters(const std::string& text, std::size_t length);

// A sentence as one print line: the words of slots 1 to `printedSlots`, each followed by a space
// unless the next slot holds exactly "." (so a full stop sticks to its word), cut at 255 characters.
std::string wordsPrintLine(const Sentence& sentence, int printedSlots);

// Answer-key texts. The words of the slots that carry each code, as "Label: words; Label: words"
// (labels whose code no word carries are left out).
std::string codedWordsAnswer(const Sentence& s,
                             const std::vector<std::pair<std::int32_t, std::string>>& labels);
// The clauses of a sentence with their kinds: "clause (hlavná) | clause (vedľajšia)".
std::string clausesAnswer(const Sentence& s);
// Texts joined with " – ", empty ones left out.
std::string joinedAnswer(const std::vector<std::string>& parts);

// The block of short strings an entry receives: `blockSize` entries, lines converted to
// Windows-1250 (platform::ConversionError when they cannot be) and cut at 255 bytes.
std::vector<unsigned char> shortStringBlock(const std::vector<std::string>& lines, int blockSize);

// The print data of a worksheet, in the three forms the print library's entries take.
// One line per example (the standard entries).
struct PrintLines {
    std::vector<std::string> lines;
};
// Up to tisk::kWordsPerExample words per example, each with a flag; a non-zero flag marks its word.
struct PrintMarkedWords {
    std::vector<std::vector<std::string>> words;
    std::vector<std::vector<std::uint8_t>> flags;
};
// Every example's tisk::kWordsPerExample word slots, one example after another.
struct PrintWordSlots {
    std::vector<std::string> words;
};
using PrintForm = std::variant<PrintLines, PrintMarkedWords, PrintWordSlots>;

struct PrintData {
    PrintForm form;
    int count = 0; // examples on the sheet
    std::string pupilName;
    // The answer key: the exercise's key and name, and per example the correct answer as a teacher
    // marks with it, in the sheet's order.
    std::string exerciseKey;
    std::string title;
    std::vector<std::string> answers;
};

// The examples of the sheet as single lines, in its order: the print lines, the marked words
// joined, the word slots with the gap's candidates replaced by a blank.
std::vector<std::string> questionLines(const PrintData& data);

// Where a library that offers the key entry kept the sheet and its key (full paths, empty when
// unknown).
struct KeptFiles {
    std::string sheet;
    std::string key;
};

// Calls the print library's entry `entryName` (found at `entry`) with the data and returns its
// status. The only place that calls an entry: the tables are padded to the entry's full size here.
// `keyEntry` (the library's tisk::kKeyEntry, null when it offers none) is called after the sheet
// with the answer key and fills `kept`; a failing key is the call's status unless the sheet failed.
int callEntry(void* entry, const std::string& entryName, const PrintData& data, void* keyEntry = nullptr,
              KeptFiles* kept = nullptr);

// The messages after printing: the sheet sent to the printer, and the missing printer, each with
// where the PDF and its key were kept.
std::string printedMessage(const KeptFiles& kept);
std::string noPrinterMessage(const KeptFiles& kept);
inline constexpr const char* kNoPrinterText = "Nie je nainštalovaná žiadna tlačiareň.";

// One worksheet: in a short-lived helper process (platform::callEntryInHelper), loads the library,
// looks up the entry, lets `data` build the print data and calls the entry (and the key entry after
// it) with them; `data` runs in the child, so what it changes stays there. Every failure (the library or the
// entry missing, a sentence file or a text that cannot be read or converted, the library's own
// failure) shows the print failure message. A library that found no default printer raises
// platform::PrinterError with noDefaultPrinter() set, for the application's printer notice, whose
// text (noPrinterMessage) names where the PDF was kept. A sheet that went to the printer from a
// library that tells where it kept it shows printedMessage.
void printSheet(platform::LibraryLoader& loader, platform::MessageBoxes& boxes,
                const std::string& libraryPath, const std::string& entryName,
                const std::function<PrintData()>& data);

} // namespace framework
