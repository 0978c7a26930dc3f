#pragma once
// A worksheet as the layout sees it: which exercise, for whom, when, and the examples.
#include "print/TiskAbi.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tisk {

// How the pupil answers below or beside each example.
enum class Room {
    Plain,     // the example as it is
    Underline, // lines set far apart, to underline words or clauses
    Commas,    // words set far apart, to write commas in
};

// What one exercise's sheet looks like apart from its examples.
struct Exercise {
    std::string_view key;
    std::string_view title;
    std::string_view task;
    Room room;
    // Groups of answers to tick; each group is set apart from the next.
    std::vector<std::vector<std::string_view>> boxes;
    // Label of a line to write an answer on, empty for none.
    std::string_view blank;
};

// The exercise of a key ("01" ... "14", "06b", "08b", "11b"); throws std::invalid_argument otherwise.
const Exercise& exercise(std::string_view key);

// A piece of an example's text.
struct Segment {
    std::string text;
    bool bold = false;
    bool gap = false; // a gap to fill in; `text` holds its candidates, separated by " / "
};
using Example = std::vector<Segment>;

struct Sheet {
    const Exercise* exercise;
    std::string pupil; // may be empty: the sheet then has a line to write the name on
    std::string date;  // as printed, for example "6. 12. 2026"
    std::vector<Example> examples;
};

// The answer key of a sheet: per example its question (the example as printed) and its answer.
struct KeyLine {
    std::string question;
    std::string answer;
};
struct AnswerKey {
    const Exercise* exercise;
    std::string title; // the exercise's name as the program calls it
    std::string pupil;
    std::string date;
    std::string sheetFile; // the file name of the sheet the key belongs to
    std::vector<KeyLine> lines;
};

// Examples from the three argument forms. `count` is limited to the size of the block; empty
// examples are left out.
std::vector<Example> examplesFromLines(const ShortString* lines, int count, int blockSize);
std::vector<Example> examplesFromMarkedWords(const ShortString* words, const std::uint8_t* flags, int count);
std::vector<Example> examplesFromWords(const ShortString* words, int count);

} // namespace tisk
