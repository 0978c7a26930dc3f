#pragma once
// Exercise 01 opened from the menu of the program started in-process on fake services, with a
// sentence file whose every sentence the test knows.
#include "ExerciseFixture.h"

#include "exercises/01/Main01.h"

#include <string>
#include <vector>

// Sentence i (1-based) of the test file. Odd sentences have the unexpressed subject "on".
std::string testSentence(int i);

struct Exercise01Test : ExerciseTest {
    static constexpr int kSentences = 30;

    // Starts the program with the test file (or `fileLines` instead), opens the setup screen of
    // exercise 01, types `name` and chooses the number button `number` ("I10" ... "I30").
    void openSetup01(const std::string& name, const std::string& number,
                     const std::vector<std::string>& fileLines = {});
    // ... and continues into the exercise.
    ex01::TMainForm01& startRun(const std::string& name, const std::string& number,
                                const std::vector<std::string>& fileLines = {});
    // A run of ten on a file of the first ten test sentences, five of each kind, so that any
    // nine rows of the page hold both kinds whatever the draw.
    ex01::TMainForm01& startRunOfTen(const std::string& name);

    ex01::TMainForm01& screen();
    bool screenOpen() const;
    // Marks and types the correct answer of row r; `right` false leaves the predicate unmarked;
    // `typed` replaces the unexpressed subject.
    void answerRow(int r, bool right, const char* typed = nullptr);
};
