#pragma once
// Helpers for checking a sentence against what an exercise screen can offer: the sentence data
// tool reports what would make an example unanswerable or broken.
#include "framework/SentenceFile.h"

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

} // namespace framework
