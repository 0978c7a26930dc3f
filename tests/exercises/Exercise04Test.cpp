// Exercise 04 on its screen: the predicate underlined in blue, its kind and extent chosen with two
// choice images (the second shown, on simple, by the first click on the first), all judged together.
#include "ExerciseFixture.h"

#include "exercises/04/Main04.h"
#include "shell/Hint.h"

namespace {

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
    "Sova $húka.@H#SLOV",
    "Deti $behali a $kričali.@N#SLOV",
    "Čaj $je $horúci.@H#JMSS",
    "Izba $bola $veľká a $svetlá.@N#JMSS",
    "Vtáky $spievajú v záhrade.@R#SLOV",
    "Voda $bola veľmi $studená.@R#JMSS",
    "Pes $šteká.@H#SLOV",
    "Brat $je $učiteľ.@H#JMSS",
    "Dňa 5. mája $pršalo.@R#SLOV",
    "Mama $varí a $pečie.@N#SLOV",
};

struct Exercise04Test : ExerciseTest {
    ex04::TMainForm04& s() { return bot->find<ex04::TMainForm04>("MainForm04"); }
    void SetUp() override {
        openExerciseSetup("04", registerScreen04, 1, 4, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    void click(framework::ChoiceRows& choices, int r, int times) {
        for (int i = 0; i < times; ++i)
            bot->click(choices.image(r));
    }
};

TEST_F(Exercise04Test, MarksKindAndExtentAreJudgedTogether) {
    struct Case {
        const char* start;
        bool marked;
        int kindClicks, extentClicks;
        bool right;
    };
    const Case cases[] = {
        {"Sova", true, 1, 0, true}, // right without touching the second image
        {"Deti", true, 1, 2, true},   {"Čaj", true, 2, 0, true},
        {"Izba", true, 2, 2, true},   {"Vtáky", true, 0, 0, false}, // no kind chosen
        {"Voda", false, 2, 1, false},                               // kind and extent right, no underline
        {"Pes", false, 0, 0, false},                                // an empty row
        {"Brat", true, 3, 0, false},                                // three clicks: verbal again
        {"Dňa", true, 1, 1, true},    {"Mama", true, 1, 1, false},  // expanded, not multiple
    };
    for (const Case& c : cases) {
        const int r = rowStarting(s(), c.start);
        if (c.marked) markKey(s().marking(), r, "IPrisudek");
        click(s().kinds(), r, c.kindClicks);
        click(s().extents(), r, c.extentClicks);
    }
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 5);
    EXPECT_EQ(s().flow().wrong(), 5);
    for (const Case& c : cases)
        EXPECT_EQ(s().evaluationImage(rowStarting(s(), c.start)).clickable, !c.right) << c.start;
    // A date keeps its full stop in the word.
    EXPECT_EQ(s().marking().rows().label(rowStarting(s(), "Dňa"), 2).text(), "5.");
}

TEST_F(Exercise04Test, TheFirstClickShowsTheSecondImageOnSimpleAndNewExamplesHideIt) {
    const int r = rowStarting(s(), "Sova");
    EXPECT_FALSE(s().extents().image(r).visible());
    EXPECT_FALSE(s().kinds().image(r).hasPicture());
    click(s().kinds(), r, 1);
    EXPECT_TRUE(s().extents().image(r).visible());
    EXPECT_EQ(s().kinds().answer(r), "SLOV");
    EXPECT_EQ(s().extents().answer(r), "H");
    click(s().kinds(), r, 1);
    EXPECT_EQ(s().kinds().answer(r), "JMSS");
    EXPECT_EQ(s().extents().answer(r), "H") << "the extent stays";
    click(s().extents(), r, 1);
    EXPECT_EQ(s().extents().answer(r), "R") << "the first click on the second image gives expanded";

    bot->click("INove");
    const int again = rowStarting(s(), "Sova");
    EXPECT_FALSE(s().extents().image(again).visible());
    EXPECT_EQ(s().extents().answer(again), "H");
    EXPECT_EQ(s().kinds().image(again).counter(), 0);
}

TEST_F(Exercise04Test, AfterTheCheckBothImagesAreFrozen) {
    const int r = rowStarting(s(), "Čaj");
    click(s().kinds(), r, 1);
    bot->click("IKontr");
    click(s().kinds(), r, 1);
    click(s().extents(), r, 1);
    EXPECT_EQ(s().kinds().answer(r), "SLOV");
    EXPECT_EQ(s().extents().answer(r), "H");
}

TEST_F(Exercise04Test, TheCorrectAnswerNamesKindAndExtentAndUnderlinesThePredicateInBlue) {
    for (const auto& [kind, extent, text] : {std::tuple{"SLOV", "H", "Druh prísudku: slovesný + holý"},
                                             std::tuple{"JMSS", "R", "Druh prísudku: menný + rozvitý"},
                                             std::tuple{"JMSS", "N", "Druh prísudku: menný + viacnásobný"}})
        EXPECT_EQ(ex04::TMainForm04::kindText(kind, extent), text);

    const int r = rowStarting(s(), "Izba");
    bot->click("IKontr");
    press(s().evaluationImage(r));
    ASSERT_TRUE(s().answerShown());
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), "Druh prísudku: menný + viacnásobný");
    for (int k : {2, 3, 5}) { // bola, veľká, svetlá
        const ui::Label& word = bot->find<ui::Label>("Odpoved" + std::to_string(k));
        EXPECT_EQ(
            window.IHint->picture().pixel(word.left() + word.width() / 2, word.top() + word.height() - 1),
            ex04::TMainForm04::kPredicateColour)
            << word.text();
    }
    const ui::Label& subject = bot->find<ui::Label>("Odpoved1");
    EXPECT_NE(window.IHint->picture().pixel(subject.left() + subject.width() / 2,
                                            subject.top() + subject.height() - 1),
              ex04::TMainForm04::kPredicateColour);
    release(s().evaluationImage(r));
}

} // namespace
