#pragma once
// Checks a sentence file against what its exercise's screen can show and answer.
#include <framework/SentenceChecks.h>
#include <framework/SentenceFile.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sentencedata {

// How a sentence must fit its row.
enum class Fit {
    JoinedWords, // the non-empty words joined without spaces, at 9 points, within `limit`
    WholeText,   // the sentence text (spaces included), at 9 points, within `limit`
    Card,        // the phrase at the card's fixed size within the card (exercise 06)
    TwoLines,    // two lines of words joined without spaces, each under `limit` (exercise 06b)
    GapRow,      // words at the screen's size and the gap's chooser before the evaluation image (12)
};

struct Exercise {
    std::string_view key;
    const framework::SentenceFormat& (*format)();
    framework::SentenceCheck check;
    Fit fit;
    int limit; // pixels
    int longestRun;
    void (*checkFile)(const framework::SentenceTable&, framework::Problems&) = nullptr;
};

std::span<const Exercise> exercises();
// nullptr for an unknown key.
const Exercise* findExercise(std::string_view key);

struct Diagnostic {
    int line = 0; // 0: the whole file
    bool warning = false;
    std::string message;
};

// Checks the reduced lines (UTF-8) of a sentence file.
std::vector<Diagnostic> validateLines(const Exercise& exercise, const std::vector<std::string>& lines);

// Checks a file: ".dat" is read in its stored form, anything else as source text.
// Throws platform::FileError when it cannot be read.
std::vector<Diagnostic> validateFile(const Exercise& exercise, const std::string& path);

} // namespace sentencedata
