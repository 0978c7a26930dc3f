#include "Overview.h"

#include "Sheet.h"

#include <platform/errors.h>
#include <platform/paths.h>
#include <results/Grades.h>
#include <results/TextFile.h>

#include <glib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <set>

namespace overview {

namespace {

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The text after `label` at the start of `line`, or nothing when the line does not start so.
std::optional<std::string_view> after(std::string_view line, std::string_view label) {
    if (!line.starts_with(label)) return std::nullopt;
    return line.substr(label.size());
}

bool readCount(std::string_view text, int& value) {
    return results::parseInteger(text, value) && value >= 0;
}

// An empty grade (no band held the result) or a number.
bool readGrade(std::string_view text, std::optional<int>& grade) {
    text = trim(text);
    if (text.empty()) return true;
    int value = 0;
    if (!results::parseInteger(text, value)) return false;
    grade = value;
    return true;
}

bool isRuler(std::string_view line) {
    line = trim(line);
    return line.size() >= 20 && line.find_first_not_of('=') == std::string_view::npos;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// The fields between labels that follow each other: "<a> x <b> y" gives x for a and y for b.
bool splitAtLabels(std::string_view text, std::initializer_list<std::string_view> labels,
                   std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t from = 0;
    std::vector<std::size_t> starts, ends;
    for (auto label : labels) {
        const auto at = text.find(label, from);
        if (at == std::string_view::npos) return false;
        if (!starts.empty()) ends.push_back(at);
        starts.push_back(at + label.size());
        from = at + label.size();
    }
    ends.push_back(text.size());
    for (std::size_t i = 0; i < starts.size(); ++i)
        fields.push_back(trim(text.substr(starts[i], ends[i] - starts[i])));
    return true;
}

std::optional<Run> readRecord(const std::vector<std::string_view>& lines) {
    if (lines.size() != 4 || !isRuler(lines[3])) return std::nullopt;
    Run run;
    // Line 1. The name is searched from the right so that a name holding "Dátum:" still reads.
    const auto first = after(lines[0], "Meno:");
    if (!first) return std::nullopt;
    const auto dateAt = first->rfind("Dátum:");
    const auto timeAt = first->rfind("Čas:");
    if (dateAt == std::string_view::npos || timeAt == std::string_view::npos || timeAt < dateAt)
        return std::nullopt;
    run.pupil = trim(first->substr(0, dateAt));
    const std::size_t dateStart = dateAt + std::string_view("Dátum:").size();
    run.date = trim(first->substr(dateStart, timeAt - dateStart));
    run.time = trim(first->substr(timeAt + std::string_view("Čas:").size()));
    if (run.date.empty() || run.time.empty()) return std::nullopt;
    // Line 2.
    const auto title = after(lines[1], "Hra:");
    if (!title) return std::nullopt;
    run.title = trim(*title);
    if (run.title.empty()) return std::nullopt;
    // Line 3.
    std::vector<std::string_view> f;
    if (!splitAtLabels(lines[2], {"Počet príkladov:", "Správne:", "Zle:", "Známka:"}, f) ||
        !lines[2].starts_with("Počet príkladov:"))
        return std::nullopt;
    if (!readCount(f[0], run.examples) || !readCount(f[1], run.right) || !readCount(f[2], run.wrong) ||
        !readGrade(f[3], run.grade) || run.examples != run.right + run.wrong)
        return std::nullopt;
    return run;
}

std::string folderPath(const std::string& root, std::string_view name) {
    return platform::joinPath(root, "\\" + std::string(name));
}

// The file's text, or nothing when it does not exist.
std::optional<std::string> readIfPresent(const std::string& path) {
    if (!std::filesystem::exists(path)) return std::nullopt;
    return results::readTextFile(path);
}

} // namespace

LogReading readLog(std::string_view text) {
    LogReading out;
    const std::vector<std::string> lines = results::splitLines(text);
    std::vector<std::string_view> chunk;
    auto finish = [&] {
        if (std::all_of(chunk.begin(), chunk.end(), isBlank)) {
            // blank lines between records are no damage
        } else if (auto run = readRecord(chunk)) {
            out.runs.push_back(std::move(*run));
        } else {
            ++out.damaged;
        }
        chunk.clear();
    };
    for (const std::string& line : lines) {
        if (line.starts_with("Meno:") && !chunk.empty()) finish();
        chunk.push_back(line);
        if (isRuler(line)) finish();
    }
    if (!chunk.empty()) finish();
    return out;
}

TableReading readTable(std::string_view text) {
    TableReading out;
    for (const std::string& line : results::splitLines(text)) {
        if (isBlank(line)) continue;
        const auto fields = results::splitFields(line);
        TableEntry entry;
        if (fields.size() < 4 || !readCount(fields[1], entry.right) || !readCount(fields[2], entry.wrong) ||
            !readGrade(fields[3], entry.grade)) {
            ++out.damaged;
            continue;
        }
        entry.pupil = trim(fields[0]);
        out.entries.push_back(std::move(entry));
    }
    return out;
}

std::vector<KnownExercise> knownExercises() {
    std::vector<KnownExercise> known;
    for (const auto& entry : tisk::kEntries)
        known.push_back({std::string(entry.key), std::string(tisk::exercise(entry.key).title)});
    return known;
}

Overview buildOverview(std::vector<Run> runs, int damagedLogRecords, const std::vector<KnownExercise>& known,
                       std::vector<TableReading> tables, std::vector<int> grades) {
    Overview o;
    o.runs = std::move(runs);
    o.damagedLogRecords = damagedLogRecords;

    std::set<int> gradeSet(grades.begin(), grades.end());
    if (gradeSet.empty()) gradeSet = {1, 2, 3, 4, 5};
    for (const Run& run : o.runs)
        if (run.grade) gradeSet.insert(*run.grade);
    o.grades.assign(gradeSet.begin(), gradeSet.end());

    std::map<std::string, int> byTitle;
    for (std::size_t i = 0; i < known.size(); ++i) {
        ExerciseFigures figures;
        figures.key = known[i].key;
        figures.title = known[i].title;
        if (i < tables.size()) figures.table = std::move(tables[i]);
        o.damagedTableLines += figures.table.damaged;
        byTitle.emplace(known[i].title, static_cast<int>(i));
        o.exercises.push_back(std::move(figures));
    }
    for (Run& run : o.runs) {
        auto [it, added] = byTitle.emplace(run.title, static_cast<int>(o.exercises.size()));
        if (added) {
            o.exercises.emplace_back();
            o.exercises.back().title = run.title;
        }
        run.exercise = it->second;
        ExerciseFigures& e = o.exercises[run.exercise];
        e.distribution.resize(o.grades.size());
        ++e.runs;
        if (run.grade) {
            ++e.graded;
            e.gradeSum += *run.grade;
            const auto slot =
                std::lower_bound(o.grades.begin(), o.grades.end(), *run.grade) - o.grades.begin();
            ++e.distribution[slot];
        } else {
            ++e.ungraded;
        }
    }
    for (auto& e : o.exercises)
        e.distribution.resize(o.grades.size());

    // Pupils: everyone with a run in the log, alphabetically in the user's collation.
    std::map<std::string, std::size_t> byName;
    for (std::size_t r = 0; r < o.runs.size(); ++r) {
        auto [it, added] = byName.emplace(o.runs[r].pupil, o.pupils.size());
        if (added) {
            o.pupils.emplace_back();
            o.pupils.back().name = o.runs[r].pupil;
        }
        o.pupils[it->second].runs.push_back(r);
    }
    for (PupilFigures& pupil : o.pupils) {
        std::vector<bool> tried(known.size());
        for (std::size_t r : pupil.runs)
            if (o.runs[r].exercise < static_cast<int>(known.size())) tried[o.runs[r].exercise] = true;
        for (std::size_t i = 0; i < known.size(); ++i) {
            const auto& entries = o.exercises[i].table.entries;
            if (!tried[i] && std::none_of(entries.begin(), entries.end(),
                                          [&](const TableEntry& t) { return t.pupil == pupil.name; }))
                pupil.untried.push_back(known[i].title);
        }
    }
    std::sort(o.pupils.begin(), o.pupils.end(), [](const PupilFigures& a, const PupilFigures& b) {
        const int order = g_utf8_collate(a.name.c_str(), b.name.c_str());
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return o;
}

Overview loadOverview(const std::string& hdRoot) {
    if (!std::filesystem::is_directory(hdRoot)) throw platform::FileError(hdRoot, "No such data folder");
    const std::vector<KnownExercise> known = knownExercises();
    LogReading log;
    if (auto text = readIfPresent(folderPath(hdRoot, "Vysledky.dat"))) log = readLog(*text);
    std::vector<TableReading> tables;
    for (const auto& exercise : known) {
        const auto text = readIfPresent(folderPath(hdRoot, "P" + exercise.key + ".res"));
        tables.push_back(text ? readTable(*text) : TableReading{});
    }
    std::vector<int> grades;
    if (auto text = readIfPresent(folderPath(hdRoot, "Znamky.dat"))) {
        try {
            for (const auto& band : results::parseGradeBands(*text, "Znamky.dat"))
                grades.push_back(band.grade);
        } catch (const platform::ConversionError&) {
            // A grades file the program itself would refuse: the usual five grades are shown.
            grades.clear();
        }
    }
    return buildOverview(std::move(log.runs), log.damaged, known, std::move(tables), std::move(grades));
}

std::string isoDate(std::string_view date) {
    int day = 0, month = 0, year = 0;
    std::string compact;
    for (char c : date)
        if (c != ' ') compact += c;
    char rest = 0;
    if (std::sscanf(compact.c_str(), "%d.%d.%d%c", &day, &month, &year, &rest) == 3 ||
        (std::sscanf(compact.c_str(), "%d.%d.%d.%c", &day, &month, &year, &rest) == 3 &&
         compact.back() == '.')) {
        if (day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1900 && year <= 9999) {
            char out[16];
            std::snprintf(out, sizeof out, "%04d-%02d-%02d", year, month, day);
            return out;
        }
    }
    return std::string(date);
}

namespace {

std::string csvField(std::string text) {
    // A leading = + - @ would make a spreadsheet run the name as a formula.
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string csvText(const Overview& overview) {
    std::string out = "\xEF\xBB\xBF"
                      "Žiak;Cvičenie;Dátum;Čas;Príklady;Správne;Zle;Známka\r\n";
    for (const Run& run : overview.runs) {
        out += csvField(run.pupil) + ';' + csvField(run.title) + ';' + csvField(isoDate(run.date)) + ';' +
               csvField(run.time) + ';' + std::to_string(run.examples) + ';' + std::to_string(run.right) +
               ';' + std::to_string(run.wrong) + ';' + (run.grade ? std::to_string(*run.grade) : "") + "\r\n";
    }
    return out;
}

std::string formatAverage(double value) {
    char out[32];
    std::snprintf(out, sizeof out, "%.2f", value);
    std::string text = out;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace overview
