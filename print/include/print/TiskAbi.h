#pragma once
// The calling interface of the print libraries "\Data\Tisk.dll" and "\Data\Tisk2.dll".
//
// The program loads a library at run time, looks up the exercise's entry by name and calls it once
// per worksheet. Every entry is a plain C function with the platform's C calling convention. Text
// arrives as short strings in Windows-1250; counts are single unsigned bytes. An entry lays out the
// worksheet, keeps it as a PDF in the user's documents folder and sends it to the default printer.
#include <array>
#include <cstdint>
#include <string_view>

namespace tisk {

// A length byte followed by 255 bytes of Windows-1250 text; only the first `length` bytes count.
struct ShortString {
    std::uint8_t length;
    char text[255];
};
static_assert(sizeof(ShortString) == 256, "a short string is exactly 256 bytes");

// What an entry returns.
inline constexpr int kPrinted = 0;          // the sheet went to the default printer
inline constexpr int kNoDefaultPrinter = 1; // no default printer: the sheet was only kept as a PDF
inline constexpr int kFailed = 2;           // any other failure

// Sizes of the blocks the entries receive.
inline constexpr int kMaxExamples = 30;   // print lines, or examples of a word table
inline constexpr int kMaxExamples06 = 45; // print lines of "TR6"
inline constexpr int kWordsPerExample = 15;

extern "C" {
// Standard entry: `lines` points at the block of print lines (30, or 45 for "TR6"), one per example.
typedef int LinesEntry(const ShortString* lines, std::uint8_t count, const ShortString* name);
// "TR5" and "TR11b": a word table of 30 x 15 short strings and a table of 30 x 15 flag bytes,
// example-major; a non-zero flag draws its word bold.
typedef int MarkedWordsEntry(const ShortString* words, const std::uint8_t* flags, std::uint8_t count,
                             const ShortString* name);
// "TR12": a word table of 30 x 15 short strings that are printed one after another as they are;
// a word that begins with "#" is the gap, followed by its three candidates separated by " | ".
typedef int WordsEntry(const ShortString* words, std::uint8_t count, const ShortString* name);
// "TRKey", offered besides the seventeen entries: the answer key of the sheet this library has just
// printed. `exercise` is the exercise key ("01" ... "14"), `title` the exercise's name, `questions`
// and `answers` hold `count` short strings, example by example in the sheet's order. The key is
// kept as a PDF beside the sheet and sent to the default printer after it. `kept` receives the
// full paths of the sheet and of the key in UTF-8, separated by a line feed and ended by a zero
// byte, cut to `keptSize` bytes. Returns a status like the other entries; kFailed also when this
// library has printed no sheet before.
typedef int KeyEntry(const ShortString* exercise, const ShortString* title, const ShortString* questions,
                     const ShortString* answers, std::uint8_t count, char* kept, std::uint32_t keptSize);
}

inline constexpr std::string_view kKeyEntry = "TRKey";
inline constexpr std::string_view kKeyTitle = "Kľúč správnych odpovedí";

enum class EntryForm { Lines, MarkedWords, Words };

// One entry: its exported name, the exercise key, the library file (relative to the CD root) and
// the form of its arguments.
struct EntryInfo {
    std::string_view name;
    std::string_view key;
    std::string_view library;
    EntryForm form;
};

inline constexpr std::string_view kTiskLibrary = "\\Data\\Tisk.dll";
inline constexpr std::string_view kTisk2Library = "\\Data\\Tisk2.dll";

inline constexpr std::array<EntryInfo, 17> kEntries{{
    {"TR1", "01", kTiskLibrary, EntryForm::Lines},
    {"TR2", "02", kTiskLibrary, EntryForm::Lines},
    {"TR3", "03", kTiskLibrary, EntryForm::Lines},
    {"TR4", "04", kTiskLibrary, EntryForm::Lines},
    {"TR5", "05", kTiskLibrary, EntryForm::MarkedWords},
    {"TR6", "06", kTiskLibrary, EntryForm::Lines},
    {"TR6b", "06b", kTiskLibrary, EntryForm::Lines},
    {"TR7", "07", kTiskLibrary, EntryForm::Lines},
    {"TR8", "08", kTiskLibrary, EntryForm::Lines},
    {"TR8b", "08b", kTisk2Library, EntryForm::Lines},
    {"TR9", "09", kTisk2Library, EntryForm::Lines},
    {"TR10", "10", kTisk2Library, EntryForm::Lines},
    {"TR11", "11", kTisk2Library, EntryForm::Lines},
    {"TR11b", "11b", kTisk2Library, EntryForm::MarkedWords},
    {"TR12", "12", kTisk2Library, EntryForm::Words},
    {"TR13", "13", kTisk2Library, EntryForm::Lines},
    {"TR14", "14", kTisk2Library, EntryForm::Lines},
}};

// Number of print lines an entry of the Lines form receives.
constexpr int linesBlockSize(std::string_view entryName) {
    return entryName == "TR6" ? kMaxExamples06 : kMaxExamples;
}

} // namespace tisk
