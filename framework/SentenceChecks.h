#pragma once
// Helpers for checking a sentence against what an exercise screen can offer: the sentence data
// tool reports what would make an example unanswerable or broken.
#include "framework/SentenceFile.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace framework {

struct Problems {
    std::vector<std::string> errors;   // the example cannot be answered or shows broken
    std::vector<std::string> warnings; // probably a slip of the author

    void error(std::string message) { errors.push_back(std::move(message)); }
    void warning(std::string message) { warnings.push_back(std::move(message)); }
};

// The exercise's per-sentence check.
using SentenceCheck = void (*)(const Sentence&, Problems&);

// Reports `value` unless it is exactly one of `offered`; `what` names it ("answer code").
void requireOneOf(Problems& problems, std::string_view what, std::string_view value,
                  std::span<const std::string_view> offered);

// Reports a comma code on the last word: the pupil would have to put a comma after the sentence.
void requireNoCommaAfterLastWord(const Sentence& sentence, std::int32_t commaCode, Problems& problems);

// Number of slots that carry `code`.
int countCode(const Sentence& sentence, std::int32_t code);

// Number of slots with text.
int countWords(const Sentence& sentence);

// Position (1-based) of `value` among `items` ignoring the case of ASCII letters, 0 when absent.
int indexIgnoringCase(std::string_view value, std::span<const std::string_view> items);

// A sentence file reader configured by its format, with the data tool's check of one sentence.
class SentenceReader {
public:
    SentenceReader(SentenceFormat format, std::function<void(const Sentence&, Problems&)> check)
        : format_(std::move(format)), check_(std::move(check)) {}

    const SentenceFormat& format() const { return format_; }
    // Throws platform::FileError.
    SentenceTable read(const std::string& path) const { return readSentenceFile(format_, path); }
    void check(const Sentence& s, Problems& problems) const { check_(s, problems); }

private:
    SentenceFormat format_;
    std::function<void(const Sentence&, Problems&)> check_;
};

// What an exercise's sentence file offers, forwarding to its reader: the format, the reading of a
// file and the data tool's check of one sentence.
template <const SentenceReader& (*reader)()> struct ReaderFunctions {
    static const SentenceFormat& format() { return reader().format(); }
    static SentenceTable read(const std::string& path) { return reader().read(path); }
    static void check(const Sentence& s, Problems& problems) { reader().check(s, problems); }
};

// The files whose lines are a whole sentence, "@" and its key, read into slot 1's text and remark;
// the check reports a key the screen does not offer (`what` names it). With `codeIsKeyPosition`,
// slot 1's code is the key's position among `keys`, in any letter case.
SentenceReader keyedSentences(std::string what, std::span<const std::string_view> keys,
                              bool codeIsKeyPosition = false);

// The files of words separated by spaces, a "," marking the word before it with `commaCode`; the
// check reports a comma after the last word.
SentenceReader commaSentences(int slots, std::int32_t commaCode);

} // namespace framework
