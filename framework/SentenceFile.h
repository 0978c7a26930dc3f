#pragma once
// Sentence data files: the stored lines, their reduction to text, the sentence table and the
// character-by-character scanning that every exercise configures with its own markup.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

// Sentences a table holds; lines beyond this are ignored.
inline constexpr int kMaxSentences = 1000;

// One word slot of a sentence.
struct PPravidla {
    std::string text;      // the word (or clause, or phrase) as shown; empty: no word
    std::int32_t code = 0; // the answer code, 0 for none
    std::string remark;    // only certain slots use it (slot 1: the sentence remark)
    std::string subject;   // exercise 03: the unexpressed subject, in slot 1
};

// A sentence is a fixed row of word slots; slot k (1-based) is element k - 1.
using Sentence = std::vector<PPravidla>;

struct SentenceTable {
    std::vector<Sentence> sentences; // kMaxSentences sentences of the format's slot count
    int count = 0;                   // sentences read: lines of the file, at most kMaxSentences

    // Sentence n (1-based).
    const Sentence& sentence(int n) const { return sentences.at(static_cast<std::size_t>(n - 1)); }
    // Slot k (1-based) of sentence n (1-based).
    const PPravidla& slot(int n, int k) const { return sentence(n).at(static_cast<std::size_t>(k - 1)); }
};

// Where a mode sends the stored characters. Several modes may be on at once.
enum Target : unsigned {
    kToRemark1 = 1,   // the remark of slot 1 (the sentence remark)
    kToRemark2 = 2,   // the remark of slot 2
    kToSubject = 4,   // the unexpressed subject of slot 1
    kToCandidate = 8, // the remark of slot c, where c counts the mode characters seen on the line
};

struct Separator {
    enum class Keep { No, Before, After };
    char c;
    Keep keep = Keep::No; // store the character itself before or after moving to the next slot
};

struct Mark {
    char c;
    std::int32_t code;     // 0: the mark only consumes a character and gives no code
    bool pending = true;   // pending: marks the slot of the next stored character; else the current slot
    bool advances = false; // moves to the next slot first
};

struct Mode {
    char c;
    unsigned on;      // targets switched on
    unsigned off = 0; // targets switched off
};

// What a stored character does to a pending mark while a mode is on.
enum class MarkInMode {
    Apply,       // the character goes to the mode's target and marks the current slot
    StoreInSlot, // the character goes to the current slot instead, and marks it
    Ignore,      // the character goes to the mode's target; the mark stays pending
};

// Sentence punctuation: ".", "!" and "?".
enum class Punctuation {
    Stored,              // an ordinary character
    WordBeforeAtDropped, // a word of its own when "@" follows it, dropped otherwise
    WordBeforeAtKept,    // a word of its own when "@" follows it, appended to the slot otherwise
    AppendedToSlot,      // appended to the current slot's text, in a mode too
};

// One exercise's markup.
struct SentenceFormat {
    int slots = 15;
    std::vector<Separator> separators{};
    std::vector<Mark> marks{}; // pending marks are applied in this order, one per stored character
    std::vector<Mode> modes{};
    MarkInMode markInMode = MarkInMode::Apply;
    Punctuation punctuation = Punctuation::Stored;
    bool modeTakesEverything = false;     // inside a mode every character but a mode character is stored
    bool fullStopBeforeSpaceKept = false; // a "." followed by a space is appended to the slot
    // Called once a line is scanned, for codes that follow from the whole sentence.
    std::function<void(Sentence&)> finishLine{};
};

// What scanning one line noticed.
struct LineReport {
    bool overflow = false;    // something would have gone beyond the format's slots; it was ignored
    bool markCarried = false; // a mark is still pending at the end of the line
};

// Scans reduced lines one after another; pending marks carry from line to line.
class SentenceScanner {
public:
    explicit SentenceScanner(const SentenceFormat& format) : format_(format), pending_(format.marks.size()) {}
    // Fills `sentence` (format.slots empty slots) from one reduced line (UTF-8).
    LineReport scanLine(std::string_view line, Sentence& sentence);

private:
    const SentenceFormat& format_;
    std::vector<bool> pending_;
};

// The characters at the 1-based positions 4, 8, 12 ... of a stored line.
std::string reduceLine(std::string_view stored);

// Splits file content into lines ended by LF or CR LF; a last line without an end counts too.
std::vector<std::string> splitLines(std::string_view content);

// The whole content of a file. Throws platform::FileError when it cannot be read.
std::string readFileBytes(const std::string& path);

// The reduced lines of a stored sentence file (Windows-1250), converted to UTF-8, all of them.
std::vector<std::string> readStoredLines(const std::string& path);

// Fills a table from reduced lines; lines beyond kMaxSentences are ignored.
SentenceTable scanSentences(const SentenceFormat& format, const std::vector<std::string>& lines);

// Reads a stored sentence data file into a table. Throws platform::FileError.
SentenceTable readSentenceFile(const SentenceFormat& format, const std::string& path);

} // namespace framework
