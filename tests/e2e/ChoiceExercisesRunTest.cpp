// Exercises 08, 11b and 13 from the menu to the results files, and their worksheets through the
// stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/08/Main08.h"
#include "exercises/11b/Main11b.h"
#include "exercises/13/Main13.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <filesystem>
#include <functional>

namespace {

struct ChoiceRunTest : ExerciseTest {
    framework::ChoiceScreen& open(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                                  int category, int slot, const std::vector<std::string>& lines,
                                  const std::string& number) {
        openExerciseSetup(key, registerScreen, category, slot, lines, "Ema", number);
        bot->click("IPokracuj");
        return bot->find<framework::ChoiceScreen>("MainForm" + key);
    }

    // Clicks each row's choice image `clicks(r)` times, checks and continues.
    void answerPage(framework::ChoiceScreen& s, const std::function<int(int)>& clicks) {
        for (int r = 1; r <= s.flow().rowsOnPage(); ++r)
            for (int i = 0; i < clicks(r); ++i)
                bot->click(s.choices().image(r));
        bot->click("IKontr");
        bot->click("IPokracuj");
    }

    // The run has closed its screen; leaves the results table and checks what the run wrote.
    void expectRecorded(const std::string& key, const std::string& title, int right, int wrong) {
        app().processMessages();
        EXPECT_FALSE(bot->exists("MainForm" + key));
        ExerciseTest::expectRecorded(key, title, right, wrong);
    }
};

// Sentence i of exercise 13: even ones coordinate, odd ones with a subordinate clause.
std::string sentence13(int i) {
    return i % 2 ? "Keď príde Jano" + std::to_string(i) + ", pôjdeme von.@podradici"
                 : "Jano" + std::to_string(i) + " píše a Eva kreslí.@souradici";
}

std::string sentence11b(int i) {
    return "Jano" + std::to_string(i) + ", #myslím, príde.@vsuvka";
}

TEST_F(ChoiceRunTest, Exercise13ARunOfFifteenThroughTheHalfPage) {
    framework::ChoiceScreen& s = open("13", registerScreen13, 5, 1, sentenceLines(sentence13, 30), "I15");
    const auto rightClicks = [&](int r) { return s.sentenceOfRow(r)[0].remark == "souradici" ? 1 : 2; };

    // First page: row 10 left without a choice, row 9 answered the other way.
    answerPage(s, [&](int r) { return r == 10 ? 0 : r == 9 ? 3 - rightClicks(r) : rightClicks(r); });

    // The half page: rows 6 to 10 under IPanel, rows 1 to 5 fresh.
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_TRUE(bot->find("IPanel").visible());
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(s.choices().image(r).visible() && s.rows().label(r, 1).visible(), r <= 5) << r;
        EXPECT_TRUE(r > 5 || (s.choices().image(r).clickable && s.choices().answer(r).empty() &&
                              !s.choices().image(r).hasPicture()))
            << r;
    }
    answerPage(s, rightClicks);
    expectRecorded("13", "Druhy súvetia", 13, 2);
}

TEST_F(ChoiceRunTest, Exercise08ARunOfTen) {
    answerPage(open("08", registerScreen08, 3, 2,
                    sentenceLines([](int i) { return "Pes" + std::to_string(i) + " breše.@Dvojclenna"; }, 12),
                    "I10"),
               [](int r) { return r <= 7 ? 2 : 1; });
    expectRecorded("08", "Jednočlenné x dvojčlenné vety", 7, 3);
}

TEST_F(ChoiceRunTest, Exercise11bARunOfTen) {
    answerPage(open("11b", registerScreen11b, 4, 4, sentenceLines(sentence11b, 12), "I10"),
               [](int r) { return r == 1 ? 1 : 2; });
    expectRecorded("11b", "Vsuvka a vložená veta", 9, 1);
}

// 13 passes whole sentences as lines, 11b every word with its bold flag.
TEST_F(ChoiceRunTest, Exercise13WorksheetGivesTR13TheSentences) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "13", registerScreen13, 5, 1,
                                                        sentenceLines(sentence13, 20), "I15");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR13 15");
    EXPECT_TRUE(log[2].starts_with("Jano") || log[2].starts_with(platform::utf8ToCp1250("Keď"))) << log[2];
    EXPECT_EQ(log[2].back(), '.') << "the whole sentence, nothing after it";
    EXPECT_EQ(log[17], "");
}

TEST_F(ChoiceRunTest, Exercise11bWorksheetGivesTR11bTheWordsWithTheBoldOnes) {
    const std::vector<std::string> log = printWorksheet(FAKE_PRINT_LIBRARY, "11b", registerScreen11b, 4, 4,
                                                        sentenceLines(sentence11b, 12), "I10");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR11b 10");
    EXPECT_TRUE(log[2].starts_with("Jano") &&
                log[2].ends_with(platform::utf8ToCp1250(",|*myslím,*|príde.") + std::string(12, '|')))
        << log[2];
}

} // namespace
