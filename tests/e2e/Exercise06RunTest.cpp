// Exercise 06 from the menu to the results files, the cards carried by mouse events, and its
// worksheet through the stand-in print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/06/Main06.h"
#include "platform/encoding.h"

#include <set>

namespace {

// Phrase i: odd ones agreeing, even ones not.
std::string phrase(int i) {
    return i % 2 ? "dobrá Mama" + std::to_string(i) + "@PkS" : "Mama" + std::to_string(i) + " z dediny@PkN";
}

std::vector<std::string> phrases(int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(phrase(i));
    return lines;
}

struct Exercise06RunTest : ExerciseTest {
    ex06::TMainForm06& open(const std::string& number) {
        openExerciseSetup("06", registerScreen06, 2, 2, phrases(120), "Ema", number);
        bot->click("IPokracuj");
        return bot->find<ex06::TMainForm06>("MainForm06");
    }

    // Carries the cards of the page: `wrong` of them into the other column (cards of the kind the
    // page holds more of, so that no column overflows), `unplaced` left at home (the last ones), the
    // rest where they belong; checks and continues.
    void answerPage(ex06::TMainForm06& s, int wrong, int unplaced) {
        const int placed = 9 - unplaced;
        int agreeing = 0;
        for (int c = 1; c <= placed; ++c)
            agreeing += s.board().card(c).tag() == ex06::kAgreeing;
        const int more = 2 * agreeing >= placed ? ex06::kAgreeing : ex06::kNonAgreeing;
        int left = 0, right = 0, misplaced = 0;
        for (int c = 1; c <= placed; ++c) {
            const int kind = s.board().card(c).tag();
            const bool isWrong = kind == more && misplaced < wrong;
            misplaced += isWrong;
            const bool leftColumn = (kind == ex06::kAgreeing) != isWrong;
            const int slot = leftColumn ? ++left : 7 + ++right;
            const ui::Rect r = ex06::slotBounds(slot);
            bot->drag(ui::Automation::center(s.board().card(c)), {r.left + 20, r.top + 10});
            ASSERT_EQ(s.board().slotOf(c), slot);
        }
        bot->click("IKontr");
        bot->click("IPokracuj");
    }
};

TEST_F(Exercise06RunTest, ARunOfNineEndsAtTheFirstContinue) {
    ex06::TMainForm06& s = open("I10");
    ASSERT_EQ(s.flow().runLength(), 9);
    answerPage(s, 2, 1);
    app().processMessages();
    EXPECT_FALSE(bot->exists("MainForm06"));
    expectRecorded("06", "Zhodný, nezhodný prívlastok", 6, 3);
}

TEST_F(Exercise06RunTest, ARunOfTwentySevenIsThreePagesOfNine) {
    ex06::TMainForm06& s = open("I20");
    std::set<int> shown;
    for (int page = 1; page <= 3; ++page) {
        ASSERT_EQ(s.flow().pageOffset(), 9 * (page - 1));
        for (int c = 1; c <= 9; ++c)
            shown.insert(s.flow().sentenceOfRow(c));
        answerPage(s, page == 2 ? 1 : 0, page == 3 ? 2 : 0);
    }
    EXPECT_EQ(shown.size(), 27u) << "no phrase twice in a run";
    expectRecorded("06", "Zhodný, nezhodný prívlastok", 24, 3);
}

// TR6 gets a block of 45 lines: the phrases of the run, then empty lines.
TEST_F(Exercise06RunTest, TheWorksheetGivesTR6ThePhrases) {
    useCdTree(FAKE_PRINT_LIBRARY);
    openExerciseSetup("06", registerScreen06, 2, 2, phrases(120), "Ema", "I15");
    bot->click("ITiskni");
    app().processMessages();
    EXPECT_TRUE(windowBoxes.shown.empty());
    const std::vector<std::string> log = printLog();
    ASSERT_EQ(log.size(), 2u + 45u);
    EXPECT_EQ(log[0], "TR6 18");
    EXPECT_EQ(log[1], "Ema");
    std::set<std::string> lines;
    for (std::size_t i = 2; i < 2 + 18; ++i) {
        const std::string line = platform::cp1250ToUtf8(log[i]);
        EXPECT_TRUE(line.starts_with("dobrá Mama") || line.ends_with(" z dediny")) << line;
        lines.insert(line);
    }
    EXPECT_EQ(lines.size(), 18u);
    for (std::size_t i = 2 + 18; i < log.size(); ++i)
        EXPECT_EQ(log[i], "") << i;
}

} // namespace
