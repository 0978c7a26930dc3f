#pragma once
// A report on a sentence file for teachers and reviewers: how the answers are spread, how long the
// sentences are, and which surface cues (the first word, a connective, the word next to the marked
// word, the length ...) would let a pupil guess the answer without using the grammar.
#include "Validator.h"

#include <string>
#include <vector>

namespace sentencedata {

// Cues seen in fewer items than this are not listed: a cue of two items says nothing.
inline constexpr int kMinCueSupport = 5;
// How many of the strongest cues the report lists.
inline constexpr int kListedCues = 15;

// Lowest, quartiles (nearest rank) and highest of a list of numbers; all 0 for an empty list.
struct Spread {
    int min = 0;
    int q1 = 0;
    int median = 0;
    int q3 = 0;
    int max = 0;
};
Spread spreadOf(std::vector<int> values);

// What the report takes from one sentence.
struct Item {
    int line = 0;
    std::string answer;            // the answer key as the exercise reads it, e.g. "SLOV H", "2 commas"
    int words = 0;                 // words the pupil sees
    std::vector<std::string> cues; // distinct
    std::vector<int> cueKinds;     // for each cue, its kind: preferred when two cues cover the same items
};

struct AnswerCount {
    std::string answer;
    int count = 0;
    Spread words;
};

// A cue with the items it occurs in (support) and how many of them have its most common answer.
struct Cue {
    std::string name;
    int support = 0;
    std::string answer;
    int hits = 0;
};

struct Stats {
    int sentences = 0;
    std::vector<AnswerCount> answers; // most frequent first
    Spread words;
    std::vector<Cue> cues; // support >= kMinCueSupport, strongest first; cues of identical items once
};

// The items of reduced lines (UTF-8); empty lines are left out.
std::vector<Item> describeLines(const Exercise& exercise, const std::vector<std::string>& lines);

Stats computeStats(const std::vector<Item>& items);

// The report as printed by `brevion-data stats`.
std::string formatStats(const Exercise& exercise, const std::string& title, const Stats& stats);

// Reads a file (".dat" in its stored form, anything else as source text) and reports on it.
// Throws platform::FileError when it cannot be read.
std::string statsReport(const Exercise& exercise, const std::string& path);

} // namespace sentencedata
