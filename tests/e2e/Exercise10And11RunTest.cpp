// Exercises 10 and 11 from the menu to the results files, and a worksheet through the stand-in
// print library.
#include "../exercises/ExerciseFixture.h"

#include "exercises/10/Main10.h"
#include "exercises/11/Main11.h"
#include "platform/clock.h"
#include "platform/encoding.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"


namespace {

// `count` sentences of a main clause and a subordinate clause, each line ending in `tail`.
std::vector<std::string> sentences(int count, const std::string& tail = "") {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back("#Jano" + std::to_string(i) + " vie, $že prší." + tail);
    return lines;
}

struct RunTest : ExerciseTest {
    // Underlines clause k of row r with `tool`.
    void mark(framework::WordMarking& c, int r, int k, const char* tool) {
        bot->click(tool);
        bot->click(c.rows().label(r, k));
    }
    // Ends the run and checks what it wrote.
    void expectRecorded(const std::string& key, const std::string& title, int right, int wrong) {
        bot->click("IKontr");
        bot->click("IPokracuj");
        ExerciseTest::expectRecorded(key, title, right, wrong);
    }
};

TEST_F(RunTest, Exercise10ARunOfFifteenThroughTheHalfPage) {
    openExerciseSetup("10", registerScreen10, 4, 2, sentences(30), "Ema", "I15");
    bot->click("IPokracuj");
    framework::WordMarking& c = bot->find<ex10::TMainForm10>("MainForm10").clauses();
    for (int r = 1; r <= 9; ++r) { // row 10 left without underlines
        mark(c, r, 1, "IHlavni");
        mark(c, r, 2, "IVedlejsi");
    }
    bot->click("IKontr");
    bot->click("IPokracuj");
    // The half page: no underline left, the tool none again.
    EXPECT_TRUE(bot->find("IPanel").visible());
    EXPECT_FALSE(c.rows().bar(1, 1).visible());
    bot->click(c.rows().label(1, 1));
    EXPECT_EQ(c.mark(1, 1), 0);
    for (int r = 1; r <= 5; ++r) {
        mark(c, r, 1, "IHlavni");
        mark(c, r, 2, "IVedlejsi");
    }
    expectRecorded("10", "Veta hlavná x veta vedľajšia", 14, 1);
}

TEST_F(RunTest, Exercise11ARunOfTen) {
    openExerciseSetup("11", registerScreen11, 4, 3, sentences(12, "@Predmetne"), "Ema", "I10");
    bot->click("IPokracuj");
    auto& s = bot->find<ex11::TMainForm11>("MainForm11");
    for (int r = 1; r <= 10; ++r) {
        mark(s.clauses(), r, 4, "IVedlejsi");
        if (r == 3) continue; // no kind chosen
        bot->click(s.choosers().chooser(r));
        bot->click(s.choosers().list().item(5));
    }
    expectRecorded("11", "Druhy vedľajších viet", 9, 1);
}

TEST_F(RunTest, Exercise10WorksheetGivesTR10TheJoinedClauses) {
    const std::vector<std::string> log =
        printWorksheet(FAKE_PRINT_LIBRARY, "10", registerScreen10, 4, 2, sentences(20), "I15");
    ASSERT_EQ(log.size(), 2u + 30u);
    EXPECT_EQ(log[0], "TR10 15");
    for (int i = 2; i < 17; ++i)
        EXPECT_TRUE(log[std::size_t(i)].ends_with(platform::utf8ToCp1250(" vie, že prší.")))
            << log[std::size_t(i)];
    EXPECT_EQ(log[17], "");
}

} // namespace
