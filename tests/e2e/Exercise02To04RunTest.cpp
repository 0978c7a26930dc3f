// Exercises 02, 03 and 04 from the menu to the results files, and their worksheets through the
// stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/02/Main02.h"
#include "exercises/03/Main03.h"
#include "exercises/04/Main04.h"
#include "platform/encoding.h"

namespace {

struct RunTest : ExerciseTest {
    // Checks the last page, continues to the results table and checks what the run wrote.
    void expectRecorded(const std::string& key, const std::string& title, int right, int wrong) {
        bot->click("IKontr");
        bot->click("IPokracuj");
        ExerciseTest::expectRecorded(key, title, right, wrong);
    }
    // Prints a run of `number` ("I10" ...) of `key` and checks the entry, the count and the name,
    // and that every example's line is one of `lines` as the worksheet prints it.
    void expectWorksheet(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&), int slot,
                         const std::vector<std::string>& file, const char* entry, int count,
                         const std::string& printed) {
        useCdTree(FAKE_PRINT_LIBRARY);
        openExerciseSetup(key, registerScreen, 1, slot, file, "Ema", "I" + std::to_string(count));
        bot->click("ITiskni");
        app().processMessages();
        const std::vector<std::string> log = printLog();
        ASSERT_EQ(log.size(), 2u + 30u);
        EXPECT_EQ(log[0], std::string(entry) + " " + std::to_string(count));
        EXPECT_EQ(log[1], "Ema");
        for (int i = 0; i < 30; ++i) {
            const std::string& line = log[std::size_t(2 + i)];
            if (i >= count)
                EXPECT_EQ(line, "");
            else
                EXPECT_TRUE(line.starts_with("Ja") && line.ends_with(platform::utf8ToCp1250(printed)))
                    << line;
        }
        EXPECT_EQ(readFile(hd.path / ("P" + key + ".res")), "");
    }
};

// Runs of ten over numbered sentences, so that every row has the same answer.
TEST_F(RunTest, Exercise02ARunOfTen) {
    openExerciseSetup("02", registerScreen02, 1, 2, numberedSentences("#JanoN a #Mira behajú.@N", 12), "Ema",
                      "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex02::TMainForm02>("MainForm02");
    for (int r = 1; r <= 10; ++r) {
        if (r != 4) markKey(s.marking(), r, "IPodmet"); // row 4: the kind alone
        for (int i = 0; i < (r == 7 ? 2 : 3); ++i)      // row 7: expanded, not multiple
            bot->click(s.choices().image(r));
    }
    expectRecorded("02", "Druhy podmetu", 8, 2);
}

TEST_F(RunTest, Exercise02WorksheetGivesTR2TheWords) {
    expectWorksheet("02", registerScreen02, 2, numberedSentences("#JanoN a #Mira behajú.@N", 20), "TR2", 15,
                    " a Mira behajú. ");
}

TEST_F(RunTest, Exercise04ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("04", registerScreen04, 1, 4, numberedSentences("JanoN $je $smutný.@H#JMSS", 20), "Ema",
                      "I15");
    bot->click("IPokracuj");
    auto& s = bot->find<ex04::TMainForm04>("MainForm04");
    // First page: row 2 verbal instead of nominal, row 9 unmarked; the extent never touched.
    for (int r = 1; r <= 10; ++r) {
        if (r != 9) markKey(s.marking(), r, "IPrisudek");
        bot->click(s.kinds().image(r));
        if (r != 2) bot->click(s.kinds().image(r));
    }
    bot->click("IKontr");
    bot->click("IPokracuj");
    // The half page: the second images hidden again, five rows; row 5 expanded instead of simple.
    EXPECT_TRUE(bot->find("IPanel").visible());
    for (int r = 1; r <= 5; ++r) {
        EXPECT_FALSE(s.extents().image(r).visible());
        markKey(s.marking(), r, "IPrisudek");
        bot->click(s.kinds().image(r));
        bot->click(s.kinds().image(r));
        if (r == 5) bot->click(s.extents().image(r));
    }
    expectRecorded("04", "Druhy prísudku", 12, 3);
}

TEST_F(RunTest, Exercise04WorksheetGivesTR4TheWords) {
    expectWorksheet("04", registerScreen04, 4, numberedSentences("JanoN $je $smutný.@H#JMSS", 20), "TR4", 10,
                    " je smutný. ");
}

TEST_F(RunTest, Exercise03ARunOfTen) {
    openExerciseSetup("03", registerScreen03, 1, 3, numberedSentences("#JanoN už spí.@Pod", 12), "Ema",
                      "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex03::TMainForm03>("MainForm03");
    for (int r = 1; r <= 10; ++r) {
        markKey(s.marking(), r, "IPodmet");
        if (r == 6) continue; // no part of speech
        bot->click(s.choices().image(r));
        bot->click(s.choices().list().item(r == 8 ? 2 : 0)); // row 8: a pronoun
    }
    bot->click(s.answerField(3));
    bot->type("on"); // no unexpressed subject in the sentence
    expectRecorded("03", "Podmet vyjadrený slovným druhom", 7, 3);
}

TEST_F(RunTest, Exercise03WorksheetGivesTR3TheWords) {
    expectWorksheet("03", registerScreen03, 3, numberedSentences("#JanoN už spí.@Pod", 20), "TR3", 20,
                    " už spí. ");
}

} // namespace
