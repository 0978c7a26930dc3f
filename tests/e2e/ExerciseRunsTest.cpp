// Every exercise from the menu to the results table: one run each, its pages answered with the
// mouse, a half page where the run has one, and exactly what the run wrote to the results files.
#include "../exercises/Exercise01Fixture.h"

#include "exercises/02/Main02.h"
#include "exercises/03/Main03.h"
#include "exercises/04/Main04.h"
#include "exercises/05/Main05.h"
#include "exercises/06/Main06.h"
#include "exercises/06b/Main06b.h"
#include "exercises/07/Main07.h"
#include "exercises/08/Main08.h"
#include "exercises/08b/Main08b.h"
#include "exercises/09/Main09.h"
#include "exercises/10/Main10.h"
#include "exercises/11/Main11.h"
#include "exercises/11b/Main11b.h"
#include "exercises/12/Main12.h"
#include "exercises/13/Main13.h"
#include "exercises/14/Main14.h"
#include "framework/PrintSheet.h"
#include "platform/encoding.h"
#include "results/Table1.h"

#include <functional>
#include <set>

namespace {

std::string n(int i) {
    return std::to_string(i);
}

struct RunTest : Exercise01Test {
    void checkAndContinue() {
        bot->click("IKontr");
        bot->click("IPokracuj");
    }
    // Checks the last page, continues and checks that the run ended and what it wrote.
    void finish(const std::string& key, const std::string& title, int right, int wrong) {
        checkAndContinue();
        app().processMessages();
        EXPECT_FALSE(bot->exists("MainForm" + key));
        expectRecorded(key, title, right, wrong);
    }
    // The half page of a run of fifteen: five rows, the lower five under IPanel.
    void expectHalfPage(const framework::ExerciseScreen& s) {
        ASSERT_EQ(s.flow().rowsOnPage(), 5);
        EXPECT_TRUE(bot->find("IPanel").visible());
    }
    void choose(framework::ChooserRows& c, int r, int item) {
        bot->click(c.chooser(r));
        bot->click(c.list().item(item));
    }
    // A run of fifteen on a sentence chooser screen, every row given the first item but row 10 of
    // the first page; the half page hides rows 6 to 10.
    void runOfFifteenOnChoosers(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                                const std::string& pattern, const std::string& title) {
        auto& s = startExercise<framework::SentenceChoiceScreen>(key, registerScreen,
                                                                 numberedSentences(pattern, 20), "I15");
        for (int r = 1; r <= 9; ++r)
            choose(s.choosers(), r, 0);
        checkAndContinue();
        expectHalfPage(s);
        EXPECT_FALSE(s.choosers().chooser(6).visible());
        for (int r = 1; r <= 5; ++r)
            choose(s.choosers(), r, 0);
        finish(key, title, 14, 1);
    }
    // A run of ten on a screen of choice images, each row's image clicked `clicks(r)` times.
    void runOfTenOnImages(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                          const std::string& pattern, int (*clicks)(int r), const std::string& title,
                          int right) {
        auto& s = startExercise<framework::ChoiceScreen>(key, registerScreen, numberedSentences(pattern, 12));
        for (int r = 1; r <= 10; ++r)
            for (int i = 0; i < clicks(r); ++i)
                bot->click(s.choices().image(r));
        finish(key, title, right, 10 - right);
    }
};

TEST_F(RunTest, Exercise01ARunOfFifteenThroughTheHalfPage) {
    ex01::TMainForm01& s = startRun("Žofia", "I15");
    EXPECT_FALSE(bot->find("IPanel").visible());
    // First page: rows 8 to 10 wrong.
    for (int r = 1; r <= 10; ++r)
        answerRow(r, r <= 7);
    bot->click("IKontr");
    EXPECT_EQ(s.flow().wrong(), 3);
    bot->click("IPokracuj");

    // The half page: the lower five rows hidden, the upper five fresh, no draw of the first page
    // repeated.
    expectHalfPage(s);
    EXPECT_EQ(s.flow().pageOffset(), 10);
    for (int r = 6; r <= 10; ++r) {
        EXPECT_FALSE(s.evaluationImage(r).visible() || s.answerField(r).visible());
        for (int k = 1; k <= 15; ++k)
            EXPECT_FALSE(s.rows().label(r, k).visible());
    }
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(s.rows().label(r, 1).visible() || s.rows().label(r, 2).visible());
        EXPECT_FALSE(s.evaluationImage(r).hasPicture() || s.answerField(r).readOnly());
    }
    EXPECT_EQ(std::set<int>(s.flow().draws().begin(), s.flow().draws().begin() + 15).size(), 15u);
    for (const char* tool : {"IPodmet", "IPrisudek", "ISmazat"})
        EXPECT_EQ(bot->find(tool).tag(), 0);

    // Second page: row 5 wrong.
    for (int r = 1; r <= 5; ++r)
        answerRow(r, r <= 4);
    checkAndContinue();
    app().processMessages();
    EXPECT_FALSE(screenOpen());
    results::TTabulka1Form& table = forms().table;
    ASSERT_TRUE(table.visible());
    for (const auto& [column, text] :
         {std::pair{1, "Žofia"}, std::pair{2, "11"}, std::pair{3, "4"}, std::pair{4, "3"}})
        EXPECT_EQ(table.label(0, column).text(), text);
    expectRecorded("01", "Základné sklady", 11, 4, "Žofia");
}

// Runs of ten over numbered sentences, so that every row has the same answer.
TEST_F(RunTest, Exercise02ARunOfTen) {
    auto& s = startExercise<ex02::TMainForm02>("02", registerScreen02,
                                               numberedSentences("#JanoN a #Mira behajú.@N", 12));
    for (int r = 1; r <= 10; ++r) {
        if (r != 4) markKey(s.marking(), r, "IPodmet"); // row 4: the kind alone
        for (int i = 0; i < (r == 7 ? 2 : 3); ++i)      // row 7: expanded, not multiple
            bot->click(s.choices().image(r));
    }
    finish("02", "Druhy podmetu", 8, 2);
}

TEST_F(RunTest, Exercise03ARunOfTen) {
    auto& s =
        startExercise<ex03::TMainForm03>("03", registerScreen03, numberedSentences("#JanoN už spí.@Pod", 12));
    for (int r = 1; r <= 10; ++r) {
        markKey(s.marking(), r, "IPodmet");
        if (r == 6) continue; // no part of speech
        bot->click(s.choices().image(r));
        bot->click(s.choices().list().item(r == 8 ? 2 : 0)); // row 8: a pronoun
    }
    bot->click(s.answerField(3));
    bot->type("on"); // no unexpressed subject in the sentence
    finish("03", "Podmet vyjadrený slovným druhom", 7, 3);
}

TEST_F(RunTest, Exercise04ARunOfFifteenThroughTheHalfPage) {
    auto& s = startExercise<ex04::TMainForm04>("04", registerScreen04,
                                               numberedSentences("JanoN $je $smutný.@H#JMSS", 20), "I15");
    // First page: row 2 verbal instead of nominal, row 9 unmarked; the extent never touched.
    for (int r = 1; r <= 10; ++r) {
        if (r != 9) markKey(s.marking(), r, "IPrisudek");
        bot->click(s.kinds().image(r));
        if (r != 2) bot->click(s.kinds().image(r));
    }
    checkAndContinue();
    // The half page: the second images hidden again; row 5 expanded instead of simple.
    expectHalfPage(s);
    for (int r = 1; r <= 5; ++r) {
        EXPECT_FALSE(s.extents().image(r).visible());
        markKey(s.marking(), r, "IPrisudek");
        bot->click(s.kinds().image(r));
        bot->click(s.kinds().image(r));
        if (r == 5) bot->click(s.extents().image(r));
    }
    finish("04", "Druhy prísudku", 12, 3);
}

TEST_F(RunTest, Exercise05ARunOfFifteenThroughTheHalfPage) {
    auto& s = startExercise<ex05::TMainForm05>("05", registerScreen05,
                                               numberedSentences("Včera $JanoN prišiel.@Pod", 30), "I15");
    // First page: rows 9 and 10 left at the prompt.
    for (int r = 1; r <= 8; ++r)
        choose(s.choosers(), r, 0);
    checkAndContinue();
    expectHalfPage(s);
    for (int r = 1; r <= 5; ++r)
        choose(s.choosers(), r, 0);
    finish("05", "Určovanie vetných členov", 13, 2);
}

// A run of twenty is three pages of nine cards; `wrong` cards of a page go into the other column
// (cards of the kind the page holds more of, so that no column overflows), `unplaced` stay at home.
TEST_F(RunTest, Exercise06ARunOfTwentySevenIsThreePagesOfNine) {
    auto& s = startExercise<ex06::TMainForm06>(
        "06", registerScreen06,
        sentenceLines(
            [](int i) { return i % 2 ? "dobrá Mama" + n(i) + "@PkS" : "Mama" + n(i) + " z dediny@PkN"; },
            120),
        "I20");
    ASSERT_EQ(s.flow().runLength(), 27);
    const auto answerPage = [&](int wrong, int unplaced) {
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
            const int slot = (kind == ex06::kAgreeing) != isWrong ? ++left : 7 + ++right;
            const ui::Rect r = ex06::slotBounds(slot);
            bot->drag(ui::Automation::center(s.board().card(c)), {r.left + 20, r.top + 10});
            ASSERT_EQ(s.board().slotOf(c), slot);
        }
    };
    std::set<int> shown;
    for (int page = 1; page <= 3; ++page) {
        ASSERT_EQ(s.flow().pageOffset(), 9 * (page - 1));
        for (int c = 1; c <= 9; ++c)
            shown.insert(s.flow().sentenceOfRow(c));
        answerPage(page == 2 ? 1 : 0, page == 3 ? 2 : 0);
        if (page < 3) checkAndContinue();
    }
    EXPECT_EQ(shown.size(), 27u) << "no phrase twice in a run";
    finish("06", "Zhodný, nezhodný prívlastok", 24, 3);
}

TEST_F(RunTest, Exercise06bARunOfTenIsTwoPagesOfFive) {
    auto& s = startExercise<ex06b::TMainForm06b>("06b", registerScreen06b,
                                                 numberedSentences("JanoN, náš sused, opravuje auto .", 12));
    const auto rightCommas = [&](int r) {
        bot->click(s.rows().label(r, 1));
        bot->click(s.rows().label(r, 3));
    };
    // First page: row 5 gets one comma too few.
    for (int r = 1; r <= 4; ++r)
        rightCommas(r);
    bot->click(s.rows().label(5, 1));
    checkAndContinue();
    // Second page: five rows more.
    ASSERT_EQ(s.flow().pageOffset(), 5);
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    for (int r = 1; r <= 5; ++r)
        rightCommas(r);
    finish("06b", "Prístavok", 9, 1);
}

TEST_F(RunTest, Exercise07ARunOfFifteenThroughTheHalfPage) {
    runOfFifteenOnChoosers("07", registerScreen07, "Jano N prišiel.@Oznamovaci",
                           "Druhy viet podľa postoja hovoriaceho");
}

TEST_F(RunTest, Exercise08ARunOfTen) {
    runOfTenOnImages(
        "08", registerScreen08, "PesN breše.@Dvojclenna", [](int r) { return r <= 7 ? 2 : 1; },
        "Jednočlenné x dvojčlenné vety", 7);
}

TEST_F(RunTest, Exercise09ARunOfFifteenThroughTheHalfPage) {
    runOfFifteenOnChoosers("09", registerScreen09, "Jano N spieva a Eva tancuje.@Slucovaci",
                           "Vzťahy medzi hlavnými vetami");
}

TEST_F(RunTest, Exercise11bARunOfTen) {
    runOfTenOnImages(
        "11b", registerScreen11b, "JanoN, #myslím, príde.@vsuvka", [](int r) { return r == 1 ? 1 : 2; },
        "Vsuvka a vložená veta", 9);
}

TEST_F(RunTest, Exercise08bARunOfTenOnOnePage) {
    auto& s = startExercise<ex08b::TMainForm08b>("08b", registerScreen08b,
                                                 numberedSentences("JanoN, poď sem .#osloveni", 12));
    // Every row gets the right kind; row 4 lacks its comma.
    for (int r = 1; r <= 10; ++r) {
        if (r != 4) bot->click(s.rows().label(r, 1));
        choose(s.choosers(), r, 1);
    }
    finish("08b", "Čiarka v jednoduchej vete", 9, 1);
}

TEST_F(RunTest, Exercise10ARunOfFifteenThroughTheHalfPage) {
    framework::WordMarking& c =
        startExercise<ex10::TMainForm10>("10", registerScreen10,
                                         numberedSentences("#JanoN vie, $že prší.", 30), "I15")
            .clauses();
    const auto underline = [&](int r) {
        bot->click("IHlavni");
        bot->click(c.rows().label(r, 1));
        bot->click("IVedlejsi");
        bot->click(c.rows().label(r, 2));
    };
    for (int r = 1; r <= 9; ++r) // row 10 left without underlines
        underline(r);
    checkAndContinue();
    // The half page: no underline left, the tool none again.
    EXPECT_TRUE(bot->find("IPanel").visible());
    EXPECT_FALSE(c.rows().bar(1, 1).visible());
    bot->click(c.rows().label(1, 1));
    EXPECT_EQ(c.mark(1, 1), 0);
    for (int r = 1; r <= 5; ++r)
        underline(r);
    finish("10", "Veta hlavná x veta vedľajšia", 14, 1);
}

TEST_F(RunTest, Exercise11ARunOfTen) {
    auto& s = startExercise<ex11::TMainForm11>("11", registerScreen11,
                                               numberedSentences("#JanoN vie, $že prší.@Predmetne", 12));
    for (int r = 1; r <= 10; ++r) {
        bot->click("IVedlejsi");
        bot->click(s.clauses().rows().label(r, 4));
        if (r != 3) choose(s.choosers(), r, 5); // row 3: no kind chosen
    }
    finish("11", "Druhy vedľajších viet", 9, 1);
}

TEST_F(RunTest, Exercise12ARunOfTenWithOneWrongCandidate) {
    auto& s = startExercise<ex12::TMainForm12>("12", registerScreen12,
                                               numberedSentences("Jano N vie, #že prší.$že$aby$kým", 12));
    for (int r = 1; r <= 10; ++r) {
        bot->click(s.chooser(r));
        int item = 0;
        while ((s.list().item(item).text() == "že") != (r != 4)) // row 4 takes a wrong candidate
            ++item;
        bot->click(s.list().item(item));
    }
    finish("12", "Doplňovanie spájacích výrazov", 9, 1);
}

TEST_F(RunTest, Exercise13ARunOfFifteenThroughTheHalfPage) {
    const auto sentence = [](int i) {
        return i % 2 ? "Keď príde Jano" + n(i) + ", pôjdeme von.@podradici"
                     : "Jano" + n(i) + " píše a Eva kreslí.@souradici";
    };
    auto& s =
        startExercise<framework::ChoiceScreen>("13", registerScreen13, sentenceLines(sentence, 30), "I15");
    const auto rightClicks = [&](int r) { return s.sentenceOfRow(r)[0].remark == "souradici" ? 1 : 2; };
    const auto answerPage = [&](const std::function<int(int)>& clicks) {
        for (int r = 1; r <= s.flow().rowsOnPage(); ++r)
            for (int i = 0; i < clicks(r); ++i)
                bot->click(s.choices().image(r));
    };
    // First page: row 10 left without a choice, row 9 answered the other way.
    answerPage([&](int r) { return r == 10 ? 0 : r == 9 ? 3 - rightClicks(r) : rightClicks(r); });
    checkAndContinue();
    // The half page: rows 1 to 5 fresh.
    expectHalfPage(s);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(s.choices().image(r).visible() && s.rows().label(r, 1).visible(), r <= 5) << r;
        EXPECT_TRUE(r > 5 || (s.choices().image(r).clickable && s.choices().answer(r).empty() &&
                              !s.choices().image(r).hasPicture()))
            << r;
    }
    answerPage(rightClicks);
    finish("13", "Druhy súvetia", 13, 2);
}

TEST_F(RunTest, Exercise14ARunOfFifteenThroughTheHalfPage) {
    auto& s = startExercise<ex14::TMainForm14>("14", registerScreen14,
                                               numberedSentences("JanoN povedal, že príde .", 30), "I15");
    framework::CommaRows& rows = s.rows();
    // First page: row 9 without its comma, row 10 with one too many.
    for (int r = 1; r <= 10; ++r) {
        if (r != 9) bot->click(rows.label(r, 2));
        if (r == 10) bot->click(rows.label(r, 4));
    }
    checkAndContinue();
    // The half page: rows 6 to 10 hidden, rows 1 to 5 fresh.
    expectHalfPage(s);
    for (int r = 6; r <= 10; ++r)
        EXPECT_FALSE(rows.label(r, 1).visible() || rows.eraser(r).visible() ||
                     s.evaluationImage(r).visible());
    for (int r = 1; r <= 5; ++r) {
        EXPECT_TRUE(rows.eraser(r).active && rows.commas(r) == 0 && !rows.label(r, 2).commaPlaced);
        bot->click(rows.label(r, 2));
    }
    finish("14", "Čiarka v súvetí", 13, 2);
}

TEST_F(RunTest, AMissingPrintLibraryGivesThePrintFailureMessage) {
    useCdTree();
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
