#include "results/ResultsLog.h"
#include "ResultFiles.h"
#include "results/TextFile.h"

#include <platform/errors.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using results::formatLogRecord;
using results::splitLines;

namespace {

// One record appended to the log the way the end of a run appends it.
void appendRecord(const fs::path& log, const std::string& name, const std::string& title,
                  const std::string& right, const std::string& wrong, const std::string& grade) {
    results::appendToFile(log, formatLogRecord(name, title, right, wrong, grade, "1.1.1970", "0:00:00"));
}

} // namespace

// Fixed columns counted in characters (one byte each in Windows-1250).
TEST(ResultsLog, RecordColumns) {
    EXPECT_EQ(formatLogRecord("Zuzana", "Základné sklady", "7", "3", "3", "5.12.2026", "9:05:07"),
              "Meno:  Zuzana" + std::string(32, ' ') + "Dátum: 5.12.2026    Čas:  9:05\r\n" +
                  "Hra: Základné sklady" + std::string(35, ' ') + "\r\n" +
                  "Počet príkladov: 10        Správne:  7          Zle:  3          Známka:  3\r\n" +
                  std::string(75, '=') + "\r\n");
    EXPECT_EQ(results::reduceTimeToMinutes("14:30:00"), "14:30");
    // A name longer than its column widens the line instead of being cut.
    const std::string name(40, 'a');
    EXPECT_EQ(splitLines(formatLogRecord(name, "T", "1", "2", "", "1.1.2027", "10:00:00"))[0],
              "Meno:  " + name + "   Dátum: 1.1.2027     Čas: 10:00");
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
