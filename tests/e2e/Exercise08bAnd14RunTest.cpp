// Exercises 08b and 14 from the menu to the results files, and their worksheets through the
// stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/08b/Main08b.h"
#include "exercises/14/Main14.h"
#include "framework/CommaRows.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <filesystem>
#include <set>

namespace {

// Sentence i of exercise 08b: an address set apart by one comma.
std::string sentence08b(int i) {
    return "Jano" + std::to_string(i) + ", poď sem .#osloveni";
}

// Sentence i of exercise 14: a comma after the second word.
std::string sentence14(int i) {
    return "Jano" + std::to_string(i) + " povedal, že príde .";
}

using RunTest = ExerciseTest;

TEST_F(RunTest, Exercise14ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("14", registerScreen14, 5, 2, sentenceLines(sentence14, 30), "Ema", "I15");
    bot->click("IPokracuj");
    auto& s = bot->find<ex14::TMainForm14>("MainForm14");
    framework::CommaRows& rows = s.rows();

    // First page: row 9 without its comma, row 10 with one too many.
    for (int r = 1; r <= 10; ++r) {
        if (r != 9) bot->click(rows.label(r, 2));
        if (r == 10) bot->click(rows.label(r, 4));
    }
    bot->click("IKontr");
    EXPECT_EQ(s.flow().wrong(), 2);
    bot->click("IPokracuj");

    // The half page: rows 6 to 10 hidden under IPanel, rows 1 to 5 fresh.
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_TRUE(bot->find("IPanel").visible());
    for (int r = 6; r <= 10; ++r)
        EXPECT_FALSE(rows.label(r, 1).visible() || rows.eraser(r).visible() ||
                     s.evaluationImage(r).visible());
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(rows.eraser(r).active && rows.commas(r) == 0 && !rows.label(r, 2).commaPlaced);
        bot->click(rows.label(r, 2));
    }
    EXPECT_EQ(std::set<int>(s.flow().draws().begin(), s.flow().draws().begin() + 15).size(), 15u);
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();
    EXPECT_FALSE(bot->exists("MainForm14"));
    expectRecorded("14", "Čiarka v súvetí", 13, 2);
}

TEST_F(RunTest, Exercise08bARunOfTenOnOnePage) {
    openExerciseSetup("08b", registerScreen08b, 3, 3, sentenceLines(sentence08b, 12), "Ema", "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex08b::TMainForm08b>("MainForm08b");
    // Every row gets the right kind; row 4 lacks its comma.
    for (int r = 1; r <= 10; ++r) {
        if (r != 4) bot->click(s.rows().label(r, 1));
        bot->click(s.choosers().chooser(r));
        bot->click(s.choosers().list().item(1));
    }
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();
    EXPECT_FALSE(bot->exists("MainForm08b"));
    expectRecorded("08b", "Čiarka v jednoduchej vete", 9, 1);
}

// The worksheets carry the sentences without commas; a full stop in a slot of its own sticks to the
// word before it.
TEST_F(RunTest, Exercise14WorksheetGivesTR14TheSentencesWithoutCommas) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "14", registerScreen14, 5, 2,
                                                        sentenceLines(sentence14, 20), "I15");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0] + "|" + log[1], "TR14 15|Ema");
    for (int i = 0; i < 15; ++i)
        EXPECT_TRUE(log[std::size_t(2 + i)].ends_with(platform::utf8ToCp1250(" povedal že príde. ")));
    EXPECT_EQ(log[17], "");
}

TEST_F(RunTest, Exercise08bWorksheetGoesToTR8b) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "08b", registerScreen08b, 3, 3,
                                                        sentenceLines(sentence08b, 12), "I10");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR8b 10");
    EXPECT_TRUE(log[2].starts_with("Jano") && log[2].ends_with(platform::utf8ToCp1250(" poď sem. ")))
        << log[2];
}

} // namespace
