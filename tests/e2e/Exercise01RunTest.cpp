// Exercise 01 from the menu to the results table, and its worksheet through a print library.
#include "../exercises/Exercise01Fixture.h"

#include "controls/GRAlignEdit.h"
#include "framework/PrintSheet.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <set>

namespace {

TEST_F(Exercise01Test, ARunOfFifteenThroughTheHalfPageToTheResultsTable) {
    ex01::TMainForm01& s = startRun("Žofia", "I15");
    EXPECT_FALSE(bot->find("IPanel").visible());

    // First page: rows 8 to 10 wrong.
    for (int r = 1; r <= 10; ++r)
        answerRow(r, r <= 7);
    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), 7);
    EXPECT_EQ(s.flow().wrong(), 3);
    EXPECT_TRUE(bot->find("IPokracuj").enabled());
    bot->click("IPokracuj");

    // The half page: five rows, the lower five under IPanel, no draw of the first page repeated.
    EXPECT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_EQ(s.flow().pageOffset(), 10);
    EXPECT_TRUE(bot->find("IPanel").visible());
    for (int r = 6; r <= 10; ++r) {
        EXPECT_FALSE(s.evaluationImage(r).visible());
        EXPECT_FALSE(s.answerField(r).visible());
        for (int k = 1; k <= 15; ++k)
            EXPECT_FALSE(s.rows().label(r, k).visible());
    }
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(s.rows().label(r, 1).visible() || s.rows().label(r, 2).visible());
        EXPECT_FALSE(s.evaluationImage(r).hasPicture());
        EXPECT_FALSE(s.answerField(r).readOnly());
    }
    EXPECT_EQ(std::set<int>(s.flow().draws().begin(), s.flow().draws().begin() + 15).size(), 15u);
    for (const char* tool : {"IPodmet", "IPrisudek", "ISmazat"})
        EXPECT_EQ(bot->find(tool).tag(), 0);

    // Second page: row 5 wrong.
    for (int r = 1; r <= 5; ++r)
        answerRow(r, r <= 4);
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();

    EXPECT_FALSE(screenOpen());
    results::TTabulka1Form& table = forms().table;
    ASSERT_TRUE(table.visible());
    EXPECT_EQ(table.label(0, 1).text(), "Žofia");
    EXPECT_EQ(table.label(0, 2).text(), "11");
    EXPECT_EQ(table.label(0, 3).text(), "4");
    EXPECT_EQ(table.label(0, 4).text(), "3");

    // Leaving the table writes it; the log got one record.
    bot->click(*table.IZpet);
    app().processMessages();
    EXPECT_EQ(readFile(hd.path / "P01.res"), platform::utf8ToCp1250("Žofia|11|4|3\r\n"));
    const std::string record =
        results::formatLogRecord("Žofia", "Základné sklady", "11", "4", "3", platform::shortDate(clock.now()),
                                 platform::longTime(clock.now()));
    EXPECT_EQ(readFile(hd.path / "Vysledky.dat"), platform::utf8ToCp1250(record));
}

// The worksheet goes to a stand-in print library that writes down what it received.
using Exercise01PrintTest = Exercise01Test;

TEST_F(Exercise01PrintTest, TheWorksheetCallsTR1WithTheLinesTheCountAndTheName) {
    useCdTree(FAKE_PRINT_LIBRARY);
    openSetup01("Ľubo", "I25");
    bot->click("ITiskni");
    app().processMessages();
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(windowBoxes.shown.empty());

    const std::vector<std::string> received = printLog();
    ASSERT_EQ(received.size(), 1u + 1u + 30u);
    EXPECT_EQ(received[0], "TR1 25");
    EXPECT_EQ(received[1], platform::utf8ToCp1250("Ľubo"));
    std::set<std::string> expected;
    for (int i = 1; i <= kSentences; ++i) {
        const std::string n = std::to_string(i);
        expected.insert(platform::utf8ToCp1250(i % 2 ? "Prišiel" + n + " domov. "
                                                     : "Mama" + n + " varí obed" + n + ". "));
    }
    std::set<std::string> distinct;
    for (int i = 0; i < 25; ++i) {
        EXPECT_TRUE(expected.count(received[std::size_t(2 + i)])) << received[std::size_t(2 + i)];
        distinct.insert(received[std::size_t(2 + i)]);
    }
    EXPECT_EQ(distinct.size(), 25u);
    for (int i = 25; i < 30; ++i)
        EXPECT_EQ(received[std::size_t(2 + i)], "");
    EXPECT_EQ(readFile(hd.path / "P01.res"), "");
}

TEST_F(Exercise01PrintTest, AMissingLibraryGivesThePrintFailureMessage) {
    useCdTree(nullptr);
    openSetup01("Ľubo", "I10");
    bot->click("ITiskni");
    app().processMessages();
    EXPECT_FALSE(screenOpen());
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_EQ(windowBoxes.shown[0].caption, framework::kPrintFailureCaption);
    EXPECT_EQ(windowBoxes.shown[0].text, framework::kPrintFailureText);
    EXPECT_EQ(windowBoxes.shown[0].icon, platform::MessageIcon::Information);
}

} // namespace
