#include "Validator.h"

#include "Codec.h"

#include "exercises/01/Sentences01.h"
#include "exercises/02/Sentences02.h"
#include "exercises/03/Sentences03.h"
#include "exercises/04/Sentences04.h"
#include "exercises/05/Sentences05.h"
#include "exercises/06/Sentences06.h"
#include "exercises/06b/Sentences06b.h"
#include "exercises/07/Sentences07.h"
#include "exercises/08/Sentences08.h"
#include "exercises/08b/Sentences08b.h"
#include "exercises/09/Sentences09.h"
#include "exercises/10/Sentences10.h"
#include "exercises/11/Sentences11.h"
#include "exercises/11b/Sentences11b.h"
#include "exercises/12/Sentences12.h"
#include "exercises/13/Sentences13.h"
#include "exercises/14/Sentences14.h"

#include <ui/TextMetrics.h>

#include <algorithm>
#include <array>
#include <map>

namespace sentencedata {

using framework::PPravidla;
using framework::ReaderFunctions;
using framework::Sentence;

namespace {

constexpr int kFloorPoints = 9;
constexpr int kRun = 30;

const std::array<Exercise, 17> kExercises{{
    {"01", ex01::format, ex01::check, Fit::JoinedWords, ex01::kRowLimit, kRun},
    {"02", ex02::format, ex02::check, Fit::JoinedWords, ex02::kRowLimit, kRun},
    {"03", ex03::format, ex03::check, Fit::JoinedWords, ex03::kRowLimit, kRun},
    {"04", ex04::format, ex04::check, Fit::JoinedWords, ex04::kRowLimit, kRun},
    {"05", ex05::format, ex05::check, Fit::JoinedWords, ex05::kRowLimit, kRun},
    {"06", ex06::format, ex06::check, Fit::Card, ex06::kCardWidth, ex06::kDraws, ex06::checkFile},
    {"06b", ReaderFunctions<ex06b::reader>::format, ReaderFunctions<ex06b::reader>::check, Fit::TwoLines,
     ex06b::kLineLimit, kRun},
    {"07", ReaderFunctions<ex07::reader>::format, ReaderFunctions<ex07::reader>::check, Fit::WholeText,
     ex07::kRowLimit, kRun},
    {"08", ReaderFunctions<ex08::reader>::format, ReaderFunctions<ex08::reader>::check, Fit::WholeText,
     ex08::kRowLimit, kRun},
    {"08b", ex08b::format, ex08b::check, Fit::JoinedWords, ex08b::kRowLimit, kRun},
    {"09", ReaderFunctions<ex09::reader>::format, ReaderFunctions<ex09::reader>::check, Fit::WholeText,
     ex09::kRowLimit, kRun},
    {"10", ex10::format, ex10::check, Fit::JoinedWords, ex10::kRowLimit, kRun},
    {"11", ex11::format, ex11::check, Fit::JoinedWords, ex11::kRowLimit, kRun},
    {"11b", ex11b::format, ex11b::check, Fit::JoinedWords, ex11b::kRowLimit, kRun},
    {"12", ex12::format, ex12::check, Fit::GapRow, ex12::kRowRight, kRun},
    {"13", ReaderFunctions<ex13::reader>::format, ReaderFunctions<ex13::reader>::check, Fit::WholeText,
     ex13::kRowLimit, kRun},
    {"14", ReaderFunctions<ex14::reader>::format, ReaderFunctions<ex14::reader>::check, Fit::JoinedWords,
     ex14::kRowLimit, kRun},
}};

std::string joinedWords(const Sentence& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    std::string joined;
    for (std::size_t k = from; k < std::min(to, s.size()); ++k)
        joined += s[k].text;
    return joined;
}

// The words as the pupil sees them, for finding duplicates.
std::string visibleText(const Sentence& s) {
    std::string text;
    for (const PPravidla& p : s)
        if (!p.text.empty()) text += (text.empty() ? "" : " ") + p.text;
    return text;
}

// Width of a text in the screens' own form font and measuring.
int textWidth(std::string_view text, int points) {
    return ui::measureText(text, points).width;
}

std::string px(int width) {
    return std::to_string(width) + " px";
}

void checkTwoLines(const Sentence& s, int limit, framework::Problems& problems) {
    std::size_t firstLine = 0;
    for (std::size_t w = 1; w <= s.size() && textWidth(joinedWords(s, 0, w), ex06b::kPoints) < limit; ++w)
        firstLine = w;
    const int second = textWidth(joinedWords(s, firstLine), ex06b::kPoints);
    if (second >= limit)
        problems.error("does not fit within two lines: the second line is " + px(second) + ", the limit " +
                       px(limit));
}

void checkGapRow(const Sentence& s, framework::Problems& problems) {
    int left = ex12::kRowLeft;
    int right = ex12::kRowLeft;
    bool first = true;
    for (const PPravidla& p : s) {
        if (p.text.empty()) continue;
        const bool stuck = p.text == "." || p.text == "?" || p.text == "!" || p.text == ",";
        if (!first) left = right + (stuck ? 0 : 3);
        right = left + (p.code == ex12::kGap ? ex12::kGapWidth : textWidth(p.text, ex12::kPoints));
        first = false;
    }
    if (right > ex12::kRowRight)
        problems.error("the row ends at " + px(right) + ", past the evaluation image at " +
                       px(ex12::kRowRight));
    for (std::size_t c = 0; c < static_cast<std::size_t>(ex12::kCandidates) && c < s.size(); ++c) {
        const int width = textWidth(s[c].remark, ex12::kItemPoints);
        if (width > ex12::kItemWidth)
            problems.error("candidate \"" + s[c].remark + "\" is " + px(width) +
                           " wide; the list item holds " + px(ex12::kItemWidth));
    }
}

void checkFit(const Exercise& exercise, const Sentence& s, framework::Problems& problems) {
    auto within = [&](const std::string& text, int points, const char* what) {
        const int width = textWidth(text, points);
        if (width > exercise.limit)
            problems.error(std::string(what) + " is " + px(width) + " wide at " + std::to_string(points) +
                           " points; " + (exercise.fit == Fit::Card ? "the card" : "the row") + " holds " +
                           px(exercise.limit));
    };
    switch (exercise.fit) {
    case Fit::JoinedWords:
        within(joinedWords(s), kFloorPoints, "the sentence");
        break;
    case Fit::WholeText:
        within(s[0].text, kFloorPoints, "the sentence");
        break;
    case Fit::Card:
        within(s[0].text, ex06::kCardPoints, "the phrase");
        break;
    case Fit::TwoLines:
        checkTwoLines(s, exercise.limit, problems);
        break;
    case Fit::GapRow:
        checkGapRow(s, problems);
        break;
    }
}

bool isMarkup(const framework::SentenceFormat& f, char c) {
    auto has = [c](const auto& items) {
        return std::any_of(items.begin(), items.end(), [c](const auto& item) { return item.c == c; });
    };
    const bool punctuation =
        (c == '.' || c == '!' || c == '?') && f.punctuation != framework::Punctuation::Stored;
    return has(f.separators) || has(f.marks) || has(f.modes) || punctuation;
}

// Problems of the markup itself, seen in the reduced line and in what scanning made of it.
void checkMarkup(const framework::SentenceFormat& f, std::string_view line, const Sentence& s,
                 const framework::LineReport& report, framework::Problems& problems) {
    for (const framework::Mark& mark : f.marks) {
        if (!mark.pending) continue;
        for (std::size_t i = line.find(mark.c); i != std::string_view::npos; i = line.find(mark.c, i + 1)) {
            if (i + 1 < line.size() && !isMarkup(f, line[i + 1])) continue;
            problems.error(std::string("mark \"") + mark.c + "\" at column " + std::to_string(i + 1) +
                           " is not followed by a word");
        }
    }
    if (report.markCarried)
        problems.error("a mark is left over at the end of the line: it would mark the next line");
    if (report.overflow)
        problems.error("more than " + std::to_string(f.slots) + " word slots; the program ignores the rest");
    for (std::size_t k = 0; k < s.size(); ++k) {
        const PPravidla& p = s[k];
        if (p.code != 0 && p.text.empty())
            problems.error("word slot " + std::to_string(k + 1) + " is marked but holds no word");
        for (const std::string* field : {&p.text, &p.remark, &p.subject}) {
            const std::size_t bad = field->find_first_of("#$@");
            if (bad != std::string::npos)
                problems.error(std::string("markup character \"") + (*field)[bad] +
                               "\" would be shown as text in \"" + *field + "\"");
        }
    }
}

} // namespace

std::span<const Exercise> exercises() {
    return kExercises;
}

const Exercise* findExercise(std::string_view key) {
    auto it =
        std::find_if(kExercises.begin(), kExercises.end(), [key](const Exercise& e) { return e.key == key; });
    return it == kExercises.end() ? nullptr : &*it;
}

std::vector<Diagnostic> validateLines(const Exercise& exercise, const std::vector<std::string>& lines) {
    std::vector<Diagnostic> out;
    auto report = [&out](int line, framework::Problems& problems) {
        for (std::string& m : problems.errors)
            out.push_back({line, false, std::move(m)});
        for (std::string& m : problems.warnings)
            out.push_back({line, true, std::move(m)});
    };
    const framework::SentenceFormat& format = exercise.format();
    const int count = static_cast<int>(std::min<std::size_t>(lines.size(), framework::kMaxSentences));
    framework::SentenceTable table = framework::scanSentences(format, {});
    table.count = count;
    framework::SentenceScanner scanner(format);
    std::map<std::string, int> seen;
    for (int n = 1; n <= count; ++n) {
        const std::string& line = lines[static_cast<std::size_t>(n - 1)];
        Sentence& s = table.sentences[static_cast<std::size_t>(n - 1)];
        const framework::LineReport scan = scanner.scanLine(line, s);
        framework::Problems problems;
        if (framework::countWords(s) == 0) {
            problems.error("empty line: it becomes a sentence without words");
        } else {
            checkMarkup(format, line, s, scan, problems);
            if (exercise.check) exercise.check(s, problems);
            checkFit(exercise, s, problems);
            auto [it, fresh] = seen.emplace(visibleText(s), n);
            if (!fresh) problems.error("the same sentence as line " + std::to_string(it->second));
        }
        report(n, problems);
    }
    framework::Problems fileProblems;
    if (lines.size() > static_cast<std::size_t>(framework::kMaxSentences)) {
        framework::Problems excess;
        excess.error("more than " + std::to_string(framework::kMaxSentences) +
                     " lines: the program ignores this line and all after it");
        report(framework::kMaxSentences + 1, excess);
    }
    if (count < exercise.longestRun)
        fileProblems.error(std::to_string(count) + " sentences; the longest run needs " +
                           std::to_string(exercise.longestRun));
    if (exercise.checkFile) exercise.checkFile(table, fileProblems);
    report(0, fileProblems);
    return out;
}

std::vector<Diagnostic> validateFile(const Exercise& exercise, const std::string& path) {
    if (path.ends_with(".dat")) return validateLines(exercise, framework::readStoredLines(path));
    std::vector<Diagnostic> conversion;
    std::vector<std::string> lines;
    for (SourceLine& line : readSourceLines(path)) {
        if (!line.error.empty())
            conversion.push_back(
                {static_cast<int>(lines.size()) + 1, false, "cannot be stored: " + line.error});
        lines.push_back(std::move(line.text));
    }
    std::vector<Diagnostic> out = validateLines(exercise, lines);
    out.insert(out.begin(), conversion.begin(), conversion.end());
    // In line order; problems of the whole file last.
    std::stable_sort(out.begin(), out.end(), [](const Diagnostic& a, const Diagnostic& b) {
        return static_cast<unsigned>(a.line - 1) < static_cast<unsigned>(b.line - 1);
    });
    return out;
}

} // namespace sentencedata
