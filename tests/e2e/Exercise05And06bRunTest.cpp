// Exercises 05 and 06b from the menu to the results files, and their worksheets through the
// stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/05/Main05.h"
#include "exercises/06b/Main06b.h"
#include "framework/CommaRows.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <set>

namespace {

// Sentence i of exercise 05: its second word is the subject.
std::string sentence05(int i) {
    return "Včera $Jano" + std::to_string(i) + " prišiel.@Pod";
}

// Sentence i of exercise 06b: an apposition after the first word.
std::string sentence06b(int i) {
    return "Jano" + std::to_string(i) + ", náš sused, opravuje auto .";
}

using RunTest = ExerciseTest;

TEST_F(RunTest, Exercise05ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("05", registerScreen05, 2, 1, sentenceLines(sentence05, 30), "Ema", "I15");
    bot->click("IPokracuj");
    auto& s = bot->find<ex05::TMainForm05>("MainForm05");
    const auto chooseSubject = [&](int r) {
        bot->click(s.choosers().chooser(r));
        bot->click(s.choosers().list().item(0));
    };

    // First page: rows 9 and 10 left at the prompt.
    for (int r = 1; r <= 8; ++r)
        chooseSubject(r);
    bot->click("IKontr");
    bot->click("IPokracuj");

    // The half page: rows 6 to 10 hidden under IPanel.
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_TRUE(bot->find("IPanel").visible());
    for (int r = 6; r <= 10; ++r)
        EXPECT_FALSE(s.choosers().chooser(r).visible() || s.rows().label(r, 1).visible());
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(s.choosers().chooser(r).text(), ex05::kPrompt);
        chooseSubject(r);
    }
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();
    EXPECT_FALSE(bot->exists("MainForm05"));
    expectRecorded("05", "Určovanie vetných členov", 13, 2);
}

TEST_F(RunTest, Exercise06bARunOfTenIsTwoPagesOfFive) {
    openExerciseSetup("06b", registerScreen06b, 2, 3, sentenceLines(sentence06b, 12), "Ema", "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex06b::TMainForm06b>("MainForm06b");
    const auto rightCommas = [&](int r) {
        bot->click(s.rows().label(r, 1));
        bot->click(s.rows().label(r, 3));
    };

    // First page: row 5 gets one comma too few.
    for (int r = 1; r <= 5; ++r) {
        EXPECT_EQ(s.sentenceOfRow(r)[2].text, "sused");
        r < 5 ? rightCommas(r) : bot->click(s.rows().label(r, 1));
    }
    bot->click("IKontr");
    EXPECT_EQ(s.flow().wrong(), 1);
    bot->click("IPokracuj");

    // Second page: five fresh rows.
    ASSERT_EQ(s.flow().pageOffset(), 5);
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(s.rows().eraser(r).active && s.rows().commas(r) == 0);
        EXPECT_FALSE(s.evaluationImage(r).hasPicture());
        rightCommas(r);
    }
    EXPECT_EQ(std::set<int>(s.flow().draws().begin(), s.flow().draws().begin() + 10).size(), 10u);
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();
    EXPECT_FALSE(bot->exists("MainForm06b"));
    expectRecorded("06b", "Prístavok", 9, 1);
}

TEST_F(RunTest, Exercise05WorksheetGivesTR5EveryWordWithTheMarkedOne) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "05", registerScreen05, 2, 1,
                                                        sentenceLines(sentence05, 12), "I10");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR5 10");
    EXPECT_EQ(log[1], "Ema");
    std::set<std::string> distinct;
    const std::string emptyWords = "||||||||||||||";
    for (int i = 0; i < 10; ++i) {
        const std::string& words = log[std::size_t(2 + i)];
        EXPECT_TRUE(words.starts_with(platform::utf8ToCp1250("Včera|*Jano"))) << words;
        EXPECT_TRUE(words.ends_with(platform::utf8ToCp1250("*|prišiel|.") + std::string(11, '|'))) << words;
        distinct.insert(words);
    }
    EXPECT_EQ(distinct.size(), 10u);
    for (int i = 10; i < 30; ++i)
        EXPECT_EQ(log[std::size_t(2 + i)], emptyWords);
}

TEST_F(RunTest, Exercise06bWorksheetGivesTR6bTheSentencesWithoutCommas) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "06b", registerScreen06b, 2, 3,
                                                        sentenceLines(sentence06b, 20), "I15");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR6b 15");
    for (int i = 0; i < 15; ++i) {
        const std::string& line = log[std::size_t(2 + i)];
        // The full stop in a slot of its own sticks to the word before it.
        EXPECT_TRUE(line.starts_with("Jano") &&
                    line.ends_with(platform::utf8ToCp1250(" náš sused opravuje auto. ")))
            << line;
    }
    EXPECT_EQ(log[17], "");
}

} // namespace
