// The results table screen: what the grid shows and when the file is written.
#include "results/Table1.h"

#include "../support/FileBytes.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/file_lock.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "ui/Application.h"
#include "ui/Automation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A file's Windows-1250 text in UTF-8, which the tests speak.
std::string textOf(const fs::path& path) {
    return platform::cp1250ToUtf8(readFile(path));
}

} // namespace

struct Table1Test : ::testing::Test {
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    ui::Application app{display, clock, sound};
    ui::Automation bot{app, &clock, &sound};
    fs::path file = fs::temp_directory_path() / ("brevion-table1-" + std::to_string(::getpid()) + ".res");
    results::TTabulka1Form& table = app.create<results::TTabulka1Form>(BREVION_CD_DIR);

    ~Table1Test() override { fs::remove(file); }
    void load(const std::string& text) {
        std::ofstream(file, std::ios::binary) << platform::utf8ToCp1250(text);
        table.Cesta = file.string();
        table.NactiSoubor();
    }
    std::string saved() const { return textOf(file); }
    std::string row(int r) const {
        std::string out = table.label(r - 1, 0).text();
        for (int c = 1; c < results::TTabulka1Form::kColumns; ++c)
            out += "|" + table.label(r - 1, c).text();
        return out;
    }
};

TEST_F(Table1Test, ResultsTakeTheirRowsAndTheTopTenShow) {
    load("");
    table.Ukaz();
    EXPECT_EQ(row(1), "1.||||");
    table.VlozNovyZaznam("Eva", "8", "2", "2");
    table.Ukaz(); // shown again while on screen: the grid follows
    EXPECT_EQ(row(1), "1.|Eva|8|2|2");

    std::string lines = "A|9|1|1\r\nB|7|3|2\r\nC|4|6|4\r\n";
    for (int i = 0; i < 9; ++i)
        lines += "P" + std::to_string(i) + "|3|7|5\r\n";
    load(lines);
    table.VlozNovyZaznam("Nový", "8", "2", "2");
    table.Ukaz();
    EXPECT_EQ(row(2), "2.|Nový|8|2|2");
    EXPECT_EQ(row(10), "10.|P5|3|7|5");
}

TEST_F(Table1Test, BackWritesEveryRecord) {
    const std::string lines = "Ďuro|5|5|4\r\nŽofia|3|7|5\r\n";
    load(lines);
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto before = fs::last_write_time(file);
    table.NactiPozadi(std::string(BREVION_CD_DIR) + "/Bitmap/Tab/01.bmp");
    table.Ukaz();
    bot.click(*table.IZpet);
    EXPECT_FALSE(table.visible());
    EXPECT_EQ(saved(), lines);
    EXPECT_GT(fs::last_write_time(file), before); // rewritten, not merely left alone
}

TEST_F(Table1Test, CloseRequestAndEndOfProgramAlsoSave) {
    load("");
    table.VlozNovyZaznam("Eva", "8", "2", "2");
    table.Ukaz();
    table.close(); // the system's close request while the table is on top
    EXPECT_EQ(saved(), "Eva|8|2|2\r\n");

    // A result not yet written is written at the end also when the table is not on screen.
    table.VlozNovyZaznam("Jano", "9", "1", "1");
    table.UlozPokudZobrazena();
    EXPECT_EQ(saved(), "Jano|9|1|1\r\nEva|8|2|2\r\n");
}

struct EndOfRunTest : Table1Test {
    platform::FakeMessageBoxes boxes;
    fs::path log = file.parent_path() / ("brevion-log-" + std::to_string(::getpid()) + ".dat");
    EndOfRunTest() { app.setMessageBoxes(boxes); }
    ~EndOfRunTest() override { fs::remove_all(log); }
    void finishRun(const std::string& name) {
        table.ZaznamenejVysledek(log.string(), name, "Podmet a prísudok", "7", "3", "3");
        table.Ukaz();
    }
    std::string logText() const { return textOf(log); }
};

// The log cannot be written (a folder in its place): the table still gets the result, the pupil is
// told which file failed and why, and the log record is written once the log can be.
TEST_F(EndOfRunTest, AnUnwritableLogDoesNotCostTheTableRecord) {
    load("Adam|9|1|1\r\n");
    fs::create_directory(log);
    finishRun("Eva");
    EXPECT_EQ(saved(), "Adam|9|1|1\r\nEva|7|3|3\r\n");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.substr(0, boxes.shown[0].text.find('\r')),
              "Výsledok sa nepodarilo zapísať do " + log.string() + ": na mieste súboru je priečinok.");
    EXPECT_EQ(table.cekajici().size(), 1u);

    fs::remove(log);
    bot.click(*table.IZpet); // leaving the table tries again
    EXPECT_NE(logText().find("Meno:  Eva"), std::string::npos);
    EXPECT_TRUE(table.cekajici().empty());
    EXPECT_EQ(boxes.shown.size(), 1u);
}

// Another copy holds the table's lock: the result waits in the program and is written when the
// pupil leaves the table; what the other copy wrote meanwhile stays.
TEST_F(EndOfRunTest, ALockedTableIsWrittenWhenThePupilLeaves) {
    load("Adam|9|1|1\r\n");
    table.setLockTimeout(std::chrono::milliseconds(100));
    const int other = ::open(file.c_str(), O_RDWR);
    ASSERT_TRUE(platform::lockFile(other, file.c_str(), std::chrono::milliseconds(0)).locked);
    finishRun("Eva");
    EXPECT_EQ(saved(), "Adam|9|1|1\r\n");
    EXPECT_NE(logText().find("Meno:  Eva"), std::string::npos);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find(file.string() + ": súbor práve zapisuje iný počítač"),
              std::string::npos);
    EXPECT_EQ(row(2), "2.|Eva|7|3|3"); // shown all the same

    std::ofstream(file, std::ios::binary) << "Adam|9|1|1\r\nBea|8|2|2\r\n"; // the other copy's save
    ::close(other);
    bot.click(*table.IZpet);
    EXPECT_EQ(saved(), "Adam|9|1|1\r\nBea|8|2|2\r\nEva|7|3|3\r\n");
    EXPECT_EQ(boxes.shown.size(), 1u);
}

// A table that cannot be written is refused when the exercise opens, with the file and the cause.
TEST_F(EndOfRunTest, AnUnwritableTableIsReportedWhenTheExerciseOpens) {
    const fs::path folder = file.parent_path() / ("brevion-folder-" + std::to_string(::getpid()) + ".res");
    fs::create_directory(folder);
    table.Cesta = folder.string();
    EXPECT_THROW(table.NactiSoubor(), platform::FileError);
    fs::remove(folder);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Výsledky cvičenia nebude možné zapísať do " + folder.string() +
                                       ": na mieste súboru je priečinok.");
}

// The end of a run: the pupil's row marked and the result said above the table, until the table
// is left; the table opened without a run shows neither.
TEST_F(Table1Test, TheEndOfARunMarksThePupilsRowAndSaysTheResult) {
    std::string full; // ten results better than 2 of 10
    for (int i = 0; i < 10; ++i)
        full += "P" + std::to_string(i) + "|9|1|1\r\n";
    struct Case {
        const char* name;
        std::string file;
        const char* right;
        const char* wrong;
        const char* grade;
        std::optional<int> row; // 0-based
        const char* words;
        const char* sentence;
    };
    const Case cases[] = {
        {"a new record on top", "A|7|3|3\r\nB|4|6|4\r\n", "8", "2", "2", 0, "8 z 10 správne · známka 2",
         "Veľmi dobre, chýbal už len kúsok."},
        {"below the top ten", full, "2", "8", "5", std::nullopt, "2 z 10 správne · známka 5",
         "Tentoraz sa to nepodarilo. Skús to znova, pôjde to lepšie. Do najlepšej desiatky to tentoraz "
         "nestačilo."},
        // a tie goes above the equal results: the pupil's row, not the first of equals
        {"a tie", "A|9|1|1\r\nB|7|3|2\r\nC|7|3|2\r\nD|5|5|3\r\n", "7", "3", "2", 1,
         "7 z 10 správne · známka 2", "Veľmi dobre, chýbal už len kúsok."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        load(c.file);
        table.VlozNovyZaznam("Ema", c.right, c.wrong, c.grade);
        table.Ukaz();
        EXPECT_EQ(table.riadokVysledku(), c.row);
        if (c.row) {
            EXPECT_EQ(table.label(*c.row, 1).text(), "Ema");
        }
        for (int r = 0; r < results::TTabulka1Form::kRows; ++r)
            for (int col = 1; col < results::TTabulka1Form::kColumns; ++col)
                EXPECT_EQ(table.label(r, col).transparent(), c.row != r) << r << "," << col;
        EXPECT_TRUE(table.LVysledok->visible());
        EXPECT_EQ(table.LVysledok->text(), c.words);
        EXPECT_EQ(table.LVeta->text(), c.sentence);

        bot.click(*table.IZpet); // left: the next opening from the table button is plain
        table.Ukaz();
        EXPECT_FALSE(table.LVysledok->visible());
        EXPECT_FALSE(table.LVeta->visible());
        EXPECT_FALSE(table.riadokVysledku());
        for (int r = 0; r < results::TTabulka1Form::kRows; ++r)
            EXPECT_TRUE(table.label(r, 1).transparent()) << r;
        table.hide();
    }
}

TEST(ResultWords, EveryGradeHasItsSentence) {
    for (const char* grade : {"1", "2", "3", "4", "5"})
        EXPECT_FALSE(results::vetaKZnamke(grade).empty()) << grade;
    EXPECT_EQ(results::vetaKZnamke("6"), "");
}
