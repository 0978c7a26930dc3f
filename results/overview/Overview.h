#pragma once
// The class's results as the teacher sees them: every run read back from the results log, the
// results tables of the exercises, and the figures of the overview computed from them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace overview {

// One finished run, as one four-line record of the results log holds it.
struct Run {
    std::string pupil;
    std::string title; // the exercise's title as written
    std::string date;  // as written, in the user's short date format
    std::string time;  // "9:05", "14:30"
    int examples = 0, right = 0, wrong = 0;
    std::optional<int> grade; // none when no grade band contained the result
    int exercise = -1;        // index into Overview::exercises
};

struct LogReading {
    std::vector<Run> runs;
    int damaged = 0; // records skipped because they could not be read
};

// Reads the records of the results log's text (UTF-8, CR LF or LF). A record is the four lines
// "Meno: ...", "Hra: ...", "Počet príkladov: ...", "=====...". Anything that does not form such a
// record (a cut record, a broken line, a count that does not add up) is skipped and counted as one
// damaged record; reading goes on at the next "Meno:" line or after the next ruler.
LogReading readLog(std::string_view text);

// One line of an exercise's results table ("name|right|wrong|grade").
struct TableEntry {
    std::string pupil;
    int right = 0, wrong = 0;
    std::optional<int> grade;
};

struct TableReading {
    std::vector<TableEntry> entries; // best first, as the file keeps them
    int damaged = 0;                 // lines whose counts or grade are not numbers
};
TableReading readTable(std::string_view text);

struct ExerciseFigures {
    std::string key; // "01" ... "14", "06b" ...; empty for a title the program does not know
    std::string title;
    int runs = 0;
    int graded = 0;
    double gradeSum = 0;
    std::vector<int> distribution; // runs per grade, in the order of Overview::grades
    int ungraded = 0;              // runs without a grade
    TableReading table;
    std::optional<double> averageGrade() const {
        return graded ? std::optional<double>(gradeSum / graded) : std::nullopt;
    }
};

struct PupilFigures {
    std::string name;
    std::vector<std::size_t> runs;    // indices into Overview::runs, in the order recorded
    std::vector<std::string> untried; // titles of exercises without a run or a table entry
};

struct Overview {
    std::vector<int> grades; // the grades of the grade bands, best (lowest) first
    std::vector<ExerciseFigures> exercises;
    std::vector<PupilFigures> pupils; // in alphabetical order
    std::vector<Run> runs;            // every readable run, in log order
    int damagedLogRecords = 0;
    int damagedTableLines = 0;
};

// An exercise the program has: its key and its title (as the log and the worksheets write it).
struct KnownExercise {
    std::string key, title;
};

// The seventeen exercises in menu order.
std::vector<KnownExercise> knownExercises();

// Builds the overview. `tables[i]` belongs to `known[i]` (an empty reading when the file is
// missing); `grades` are the grades the grade bands give (1 ... 5 when empty). Grades found in the
// log outside them are added. Runs of titles the program does not know get their own exercise
// after the known ones.
Overview buildOverview(std::vector<Run> runs, int damagedLogRecords, const std::vector<KnownExercise>& known,
                       std::vector<TableReading> tables, std::vector<int> grades);

// Reads everything from an HD root: "Vysledky.dat", "PNN.res" and "Znamky.dat". A missing log or
// table means no runs yet. Throws platform::FileError when the root is not a folder or a file
// exists but cannot be read.
Overview loadOverview(const std::string& hdRoot);

// A date of the log as yyyy-mm-dd when it is written day.month.year (with or without spaces);
// otherwise as written.
std::string isoDate(std::string_view date);

// The CSV file: UTF-8 with a byte order mark, ";" between fields, CR LF line ends, a header row,
// then one row per run: pupil, exercise, date, time, examples, right, wrong, grade. A text that a
// spreadsheet would take for a formula is prefixed with "'".
std::string csvText(const Overview& overview);

// "2,35": a grade average as Slovak writes decimals.
std::string formatAverage(double value);

} // namespace overview
