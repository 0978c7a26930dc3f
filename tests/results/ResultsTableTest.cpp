#include "results/ResultsTable.h"
#include "results/TextFile.h"

#include <platform/errors.h>

#include "ResultFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using results::ResultsTable;

TEST(ResultsTable, Ranking) {
    ResultsTable t;
    t.VlozNovyZaznam("first", "7", "3", "2"); // empty table: stands alone in row 1
    EXPECT_EQ(t.text(), "first|7|3|2\r\n");

    t.loadText("A|10|0|1\r\nB|6|4|2\r\nC|3|7|4\r\n");
    t.VlozNovyZaznam("new", "8", "2", "2");
    t.VlozNovyZaznam("equal", "8", "2", "2"); // equal results: the newer one stands above
    t.VlozNovyZaznam("fewer wrong", "8", "1", "2");
    t.VlozNovyZaznam("worst", "0", "10", "5");
    EXPECT_EQ(t.text(), "A|10|0|1\r\nfewer wrong|8|1|2\r\nequal|8|2|2\r\nnew|8|2|2\r\nB|6|4|2\r\nC|3|7|4\r\n"
                        "worst|0|10|5\r\n");
}

// The file is Windows-1250; every line is written back byte for byte, also one holding a byte the
// code page leaves unassigned.
TEST(ResultsTable, FileRoundTripKeepsAllRecordsAndBytes) {
    TempDir dir;
    fs::path file = dir.path / "P01.res";
    std::string original;
    for (int i = 0; i < 12; ++i)
        original +=
            "\x8Eiak" + std::to_string(i) + "|" + std::to_string(20 - i) + "|" + std::to_string(i) + "|2\r\n";
    const std::string odd = "\x81va|1|30|5\r\n";
    std::ofstream(file, std::ios::binary) << original << odd;
    ResultsTable t;
    t.NactiSoubor(file);
    EXPECT_EQ(t.records().size(), 13u);
    EXPECT_EQ(t.records()[0].name, "Žiak0");
    t.UlozSoubor(file); // leaving the table without a new result rewrites the same lines
    EXPECT_EQ(readFile(file), original + odd);
    t.VlozNovyZaznam("Nový", "1", "29", "5");
    t.UlozSoubor(file);
    EXPECT_EQ(readFile(file), original + "Nov\xFD|1|29|5\r\n" + odd);
    // Extra texts after the fourth field are dropped; empty lines are skipped.
    t.loadText("A|1|2|3|extra\r\n\r\nB|1|2|3\r\n");
    EXPECT_EQ(t.text(), "A|1|2|3\r\nB|1|2|3\r\n");
    EXPECT_THROW(t.NactiSoubor(dir.path / "missing.res"), platform::FileError);
}

TEST(ResultsTable, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    fs::path file = dir.path / "P02.res";
    std::ofstream(file, std::ios::binary) << "A|1|2|3\r\n";
    ResultsTable t;
    t.NactiSoubor(file);
    t.VlozNovyZaznam("Ж", "1", "2", "3"); // cannot be stored in Windows-1250
    EXPECT_THROW(t.UlozSoubor(file), platform::ConversionError);
    EXPECT_EQ(readFile(file), "A|1|2|3\r\n");
    fs::path blocked = dir.path / "nofolder" / "P03.res";
    EXPECT_THROW(ResultsTable{}.UlozSoubor(blocked), platform::FileError);
}
