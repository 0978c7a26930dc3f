// Exercises 07, 09 and 12 from the menu to the results files, and the worksheet of 12 through the
// stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/07/Main07.h"
#include "exercises/09/Main09.h"
#include "exercises/12/Main12.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <set>

namespace {

struct RunTest : ExerciseTest {

    // A run of 15 on a sentence chooser screen, every row given the first item but row 10 of the
    // first page; the half page hides rows 6 to 10.
    void runOfFifteen(framework::SentenceChoiceScreen& s) {
        for (int page = 1; page <= 2; ++page) {
            for (int r = 1; r <= s.flow().rowsOnPage() && !(page == 1 && r == 10); ++r) {
                bot->click(s.choosers().chooser(r));
                bot->click(s.choosers().list().item(0));
            }
            bot->click("IKontr");
            bot->click("IPokracuj");
            if (page == 1) {
                EXPECT_TRUE(bot->find("IPanel").visible() && !s.choosers().chooser(6).visible());
            }
        }
        app().processMessages();
    }
};

TEST_F(RunTest, Exercise07ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("07", registerScreen07, 3, 1, numberedSentences("Jano N prišiel.@Oznamovaci", 20),
                      "Ema", "I15");
    bot->click("IPokracuj");
    runOfFifteen(bot->find<ex07::TMainForm07>("MainForm07"));
    expectRecorded("07", "Druhy viet podľa postoja hovoriaceho", 14, 1);
}

TEST_F(RunTest, Exercise09ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("09", registerScreen09, 4, 1,
                      numberedSentences("Jano N spieva a Eva tancuje.@Slucovaci", 20), "Ema", "I15");
    bot->click("IPokracuj");
    runOfFifteen(bot->find<ex09::TMainForm09>("MainForm09"));
    expectRecorded("09", "Vzťahy medzi hlavnými vetami", 14, 1);
}

TEST_F(RunTest, Exercise12ARunOfTenWithOneWrongCandidate) {
    openExerciseSetup("12", registerScreen12, 5, 3, numberedSentences("Jano N vie, #že prší.$že$aby$kým", 12),
                      "Ema", "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex12::TMainForm12>("MainForm12");
    for (int r = 1; r <= 10; ++r) {
        bot->click(s.chooser(r));
        int item = 0;
        while ((s.list().item(item).text() == "že") != (r != 4)) // row 4 takes a wrong candidate
            ++item;
        bot->click(s.list().item(item));
    }
    bot->click("IKontr");
    bot->click("IPokracuj");
    app().processMessages();
    expectRecorded("12", "Doplňovanie spájacích výrazov", 9, 1);
}

TEST_F(RunTest, Exercise12WorksheetListsEveryGapsCandidatesInOneOrder) {
    const std::vector<std::string> log =
        printWorksheet(FAKE_PRINT_LIBRARY, "12", registerScreen12, 5, 3,
                       numberedSentences("Jano N vie, #že prší.$že$aby$kým", 20), "I15");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR12 15");
    std::set<std::string> gaps;
    for (int i = 0; i < 15; ++i) {
        const std::string line = platform::cp1250ToUtf8(log[std::size_t(2 + i)]);
        ASSERT_NE(line.find("|#"), std::string::npos) << line;
        gaps.insert(line.substr(line.find("|#")));
    }
    ASSERT_EQ(gaps.size(), 1u);
    for (const char* c : {"že", "aby", "kým"})
        EXPECT_NE(gaps.begin()->find(c), std::string::npos) << *gaps.begin();
    EXPECT_EQ(log[17], std::string(14, '|'));
}

} // namespace
