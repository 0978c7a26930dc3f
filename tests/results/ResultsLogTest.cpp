#include "results/ResultsLog.h"
#include "ResultFiles.h"
#include "results/TextFile.h"

#include <platform/encoding.h>
#include <platform/errors.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using results::formatLogRecord;
using results::splitLines;

namespace {

// 1-based columns [from, to] of a line counted in characters (one byte each in Windows-1250).
std::string columns(const std::string& line, std::size_t from, std::size_t to) {
    return platform::cp1250ToUtf8(platform::utf8ToCp1250(line).substr(from - 1, to - from + 1));
}

// One record appended to the log the way the end of a run appends it.
void appendRecord(const fs::path& log, const std::string& name, const std::string& title,
                  const std::string& right, const std::string& wrong, const std::string& grade) {
    results::appendToFile(log, formatLogRecord(name, title, right, wrong, grade, "1.1.1970", "0:00:00"));
}

} // namespace

TEST(ResultsLog, RecordColumns) {
    std::string record = formatLogRecord("Zuzana", "Základné sklady", "7", "3", "3", "5.12.2026", "9:05:07");
    auto lines = splitLines(record);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(platform::utf8Length(lines[0]), 75u);
    EXPECT_EQ(columns(lines[0], 1, 7), "Meno:  ");
    EXPECT_EQ(columns(lines[0], 8, 13), "Zuzana");
    EXPECT_EQ(columns(lines[0], 14, 42), std::string(29, ' '));
    EXPECT_EQ(columns(lines[0], 53, 62), "5.12.2026 ");
    EXPECT_EQ(columns(lines[0], 71, 75), " 9:05");
    EXPECT_EQ(lines[1], "Hra: " + std::string("Základné sklady") + std::string(35, ' '));
    EXPECT_EQ(platform::utf8Length(lines[1]), 55u);
    EXPECT_EQ(platform::utf8Length(lines[2]), 75u);
    EXPECT_EQ(columns(lines[2], 18, 23), "10    ");
    EXPECT_EQ(columns(lines[2], 38, 38), "7");
    EXPECT_EQ(columns(lines[2], 55, 55), "3");
    EXPECT_EQ(columns(lines[2], 75, 75), "3");
    EXPECT_EQ(lines[3], std::string(75, '='));
    EXPECT_EQ(record.substr(record.size() - 2), "\r\n");

    EXPECT_EQ(results::reduceTimeToMinutes("14:30:00"), "14:30");
    // A name longer than its column widens the line instead of being cut.
    std::string name(40, 'a');
    lines = splitLines(formatLogRecord(name, "T", "1", "2", "", "1.1.2027", "10:00:00"));
    EXPECT_EQ(platform::utf8Length(lines[0]), 80u);
    EXPECT_EQ(columns(lines[0], 8, 47), name);
}

TEST(ResultsLog, AppendsWholeRecordsAndCreatesTheLogOnce) {
    TempDir dir;
    fs::path log = dir.path / "Vysledky.dat";
    // A name that Windows-1250 cannot store is refused before anything is written.
    EXPECT_THROW(appendRecord(log, "Ж", "T", "1", "0", "1"), platform::ConversionError);
    EXPECT_FALSE(fs::exists(log));

    appendRecord(log, "Ján", "Prístavok", "8", "2", "2");
    std::string first = readFile(log);
    EXPECT_EQ(first.size(), 75u + 55 + 75 + 75 + 4 * 2); // one byte per character on disk
    EXPECT_NE(first.find("J\xE1n"), std::string::npos);  // Windows-1250 on disk
    appendRecord(log, "Eva", "Prístavok", "10", "0", "1");
    std::string both = readFile(log);
    EXPECT_EQ(both.substr(0, first.size()), first);
    EXPECT_EQ(both.size(), 2 * first.size());
}
