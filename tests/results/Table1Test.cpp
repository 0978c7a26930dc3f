// The results table screen: what the grid shows and when the file is written.
#include "results/Table1.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/encoding.h"
#include "platform/sound.h"
#include "ui/Application.h"
#include "ui/Automation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Table1Test : ::testing::Test {
    platform::FakeDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    ui::Application app{display, clock, sound};
    ui::Automation bot{app, &clock, &sound};
    fs::path file = fs::temp_directory_path() / ("brevion-table1-" + std::to_string(::getpid()) + ".res");
    results::TTabulka1Form& table = app.create<results::TTabulka1Form>(BREVION_CD_DIR);

    ~Table1Test() override { fs::remove(file); }

    // Writes the file from UTF-8 text, as the program stores it (Windows-1250).
    void load(const std::string& text) {
        std::ofstream(file, std::ios::binary) << platform::utf8ToCp1250(text);
        table.Cesta = file.string();
        table.NactiSoubor();
    }
    std::string saved() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return platform::cp1250ToUtf8(s.str());
    }
    std::string row(int r) const {
        std::string out;
        for (int c = 0; c < results::TTabulka1Form::kColumns; ++c)
            out += (c ? "|" : "") + table.label(r - 1, c).text();
        return out;
    }
};

} // namespace

TEST_F(Table1Test, GridLayout) {
    const results::TMujLabel& name = table.label(9, 1);
    EXPECT_EQ(name.bounds(), (ui::Rect{91, 165 + 270, 260, name.height()}));
    EXPECT_EQ(table.label(0, 4).left(), 544);
    EXPECT_EQ(table.label(9, 0).text(), "10.");
    EXPECT_TRUE(name.transparent());
    EXPECT_FALSE(name.autoSize());
    EXPECT_EQ(name.alignment(), ui::Alignment::Center);
}

TEST_F(Table1Test, EmptyFileThenFirstResultStandsInRowOne) {
    load("");
    table.Ukaz();
    EXPECT_EQ(row(1), "1.||||");
    table.VlozNovyZaznam("Eva", "8", "2", "2");
    table.Ukaz(); // shown again while visible: the grid follows
    EXPECT_EQ(row(1), "1.|Eva|8|2|2");
    EXPECT_EQ(row(2), "2.||||");
}

TEST_F(Table1Test, NewResultMovesToItsPlace) {
    load("A|9|1|1\r\nB|7|3|2\r\nC|4|6|4\r\n");
    table.VlozNovyZaznam("Nový", "8", "2", "2");
    table.VlozNovyZaznam("Rovnaký", "9", "1", "1"); // equal to A: stands above it
    table.Ukaz();
    EXPECT_EQ(row(1), "1.|Rovnaký|9|1|1");
    EXPECT_EQ(row(2), "2.|A|9|1|1");
    EXPECT_EQ(row(3), "3.|Nový|8|2|2");
    EXPECT_EQ(row(4), "4.|B|7|3|2");
}

TEST_F(Table1Test, ShowsTenAndBackSavesAll) {
    std::string lines;
    for (int i = 0; i < 12; ++i)
        lines += "P" + std::to_string(i) + "|" + std::to_string(20 - i) + "|0|1\r\n";
    load(lines);
    table.VlozNovyZaznam("Z", "0", "20", "5");
    table.NactiPozadi(std::string(BREVION_CD_DIR) + "/Bitmap/Tab/01.bmp");
    table.Ukaz();
    EXPECT_EQ(row(10), "10.|P9|11|0|1");
    bot.hover(*table.IZpet);
    bot.click(*table.IZpet);
    EXPECT_FALSE(table.visible());
    EXPECT_EQ(saved(), lines + "Z|0|20|5\r\n");
}

TEST_F(Table1Test, LeavingWithoutNewResultRewritesTheSameLines) {
    const std::string lines = "Ďuro|5|5|4\r\nŽofia|3|7|5\r\n";
    load(lines);
    fs::last_write_time(file, fs::last_write_time(file) - std::chrono::hours(1));
    const auto before = fs::last_write_time(file);
    table.Ukaz();
    bot.click(*table.IZpet);
    EXPECT_EQ(saved(), lines);
    EXPECT_GT(fs::last_write_time(file), before); // written, not merely left alone
}

TEST_F(Table1Test, CloseRequestAndEndOfProgramAlsoSave) {
    load("");
    table.VlozNovyZaznam("Eva", "8", "2", "2");
    table.Ukaz();
    table.close(); // the system's close request while the table is on top
    EXPECT_EQ(saved(), "Eva|8|2|2\r\n");

    table.VlozNovyZaznam("Jano", "9", "1", "1");
    table.UlozPokudZobrazena(); // hidden: nothing to save
    EXPECT_EQ(saved(), "Eva|8|2|2\r\n");
    table.Ukaz();
    table.UlozPokudZobrazena();
    EXPECT_EQ(saved(), "Jano|9|1|1\r\nEva|8|2|2\r\n");
}
