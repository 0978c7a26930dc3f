// Exercises 02, 03 and 04 on their screens, built on fakes: the subject or the predicate underlined
// with the tool and an answer of the exercise's own beside it (the kind clicked through a choice
// image, the part of speech chosen from a list with the unexpressed subject typed, the kind and the
// extent on two images), all judged together; the correct answer underlines the member.
#include "ScreenOnFakes.h"

#include "exercises/02/Main02.h"
#include "exercises/03/Main03.h"
#include "exercises/04/Main04.h"
#include "shell/Hint.h"

#include <functional>

namespace {

// Ten sentences each, for a run of ten, so that all are on the page.
const std::vector<std::string> k02 = {
    "#Vlak prišiel na stanicu načas.@H",
    "Školský #zbor spieval na slávnosti.@R",
    "#Adam a #Klára sedia v jednej lavici.@N",
    "#Mačka sa vyhrieva na slnku.@H",
    "Môj mladší #bratranec hrá hokej.@R",
    "#Lastovičky odleteli na juh.@H",
    "#Jablká a #hrušky dozreli.@N",
    "Nový #most spojil oba brehy.@R",
    "#Babka upiekla koláč.@H",
    "Veľký #orech rastie pri ceste.@R",
};
const std::vector<std::string> k03 = {
    "Včera pricestoval môj #bratranec z Kanady.@Pod",
    "Do finále postúpi #najrýchlejšia.@Pri",
    "#Niekto zabudol v triede dáždnik.@Zaj",
    "#Traja prišli na tréning neskoro.@Cis",
    "#Bicyklovať ma baví.@Slo",
    "Zajtra idem k babke na návštevu.@Zaj$ja",
    "Za dverami sa ozvalo tiché #mňau.@Cit",
    "Kedy mi vrátiš moju knihu?@Zaj$ty",
    "#Mačka spí na peci.@Pod",
    "Dlho čakal na autobus.@Zaj$on",
};
const std::vector<std::string> k04 = {
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

enum class Marks { None, Key, KeyAndFirstWord };

struct MarkingExercises : ScreenOnFakes {
    void clickTimes(ui::Control& image, int times) {
        for (int i = 0; i < times; ++i)
            bot->click(image);
    }
    // Answers every row as its case says, checks the page and compares each row's verdict.
    template <class Screen, class Case>
    void expectVerdicts(Screen& s, const char* tool, const std::vector<Case>& cases,
                        const std::function<void(const Case&, int)>& answer, int right) {
        for (const Case& c : cases) {
            const int r = rowStarting(s, c.start);
            if (c.marks != Marks::None)
                markKey(s.marking(), r, tool, c.marks == Marks::KeyAndFirstWord ? 1 : 0);
            answer(c, r);
        }
        bot->click("IKontr");
        EXPECT_EQ(s.flow().right(), right);
        EXPECT_EQ(s.flow().wrong(), int(cases.size()) - right);
        for (const Case& c : cases)
            EXPECT_EQ(s.evaluationImage(rowStarting(s, c.start)).clickable, !c.right) << c.start;
    }
    // The window held open on the wrong row beginning with `start` of a checked page: the line under
    // the sentence, the member's words (slots `underlined`) underlined in its colour and no other word.
    void expectAnswer(framework::MarkingScreen& s, const char* start, const char* line,
                      std::vector<int> underlined, std::vector<int> plain, ui::Color colour) {
        const int r = rowStarting(s, start);
        press(s.evaluationImage(r));
        ASSERT_TRUE(s.answerShown());
        auto& window = bot->find<shell::THintForm>("HintForm");
        EXPECT_EQ(window.top(), 73 + 33 * r);
        EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), line);
        auto underline = [&](int k) { // slot k of the window's words
            const ui::Label& word = bot->find<ui::Label>("Odpoved" + std::to_string(k));
            return window.IHint->picture().pixel(word.left() + word.width() / 2,
                                                 word.top() + word.height() - 1);
        };
        for (int k : underlined)
            EXPECT_EQ(underline(k), colour) << k;
        for (int k : plain)
            EXPECT_NE(underline(k), colour) << k;
        release(s.evaluationImage(r));
        EXPECT_FALSE(s.answerShown());
    }
};

TEST_F(MarkingExercises, Exercise02MarksAndKindAreJudgedTogether) {
    auto& s = open<ex02::TMainForm02>("02", k02);
    struct Case {
        const char* start;
        Marks marks;
        int clicks;
        bool right;
    };
    const std::vector<Case> cases = {
        {"Vlak", Marks::Key, 1, true},
        {"Školský", Marks::Key, 2, true},
        {"Adam", Marks::Key, 3, true},
        {"Mačka", Marks::Key, 4, true},             // four clicks come back to simple
        {"Môj", Marks::Key, 0, false},              // no kind chosen
        {"Lastovičky", Marks::None, 1, false},      // the kind right, no underline
        {"Jablká", Marks::None, 0, false},          // an empty row
        {"Nový", Marks::KeyAndFirstWord, 2, false}, // an attribute underlined as well
        {"Babka", Marks::Key, 2, false},            // the wrong kind
        {"Veľký", Marks::Key, 2, true},
    };
    expectVerdicts<ex02::TMainForm02, Case>(
        s, "IPodmet", cases, [&](const Case& c, int r) { clickTimes(s.choices().image(r), c.clicks); }, 5);
    expectAnswer(s, "Jablká", "Druh podmetu: viacnásobný", {1, 3}, {2}, ex02::TMainForm02::kSubjectColour);
}

TEST_F(MarkingExercises, Exercise03MarksFieldAndPartOfSpeechAreJudgedTogether) {
    auto& s = open<ex03::TMainForm03>("03", k03);
    struct Case {
        const char* start;
        Marks marks;
        int item; // 1 to 6; 0: none chosen
        const char* typed;
        bool right;
    };
    const std::vector<Case> cases = {
        {"Včera", Marks::Key, 1, "", true},
        {"Do ", Marks::Key, 2, "", true},
        {"Niekto", Marks::Key, 0, "", false},      // no part of speech chosen
        {"Traja", Marks::None, 4, "", false},      // the choice right, no underline
        {"Bicyklovať", Marks::None, 0, "", false}, // an empty row
        {"Zajtra", Marks::None, 3, "ja", true},    // no subject word, the unexpressed subject typed
        {"Za dverami", Marks::Key, 6, "", true},
        {"Kedy", Marks::None, 3, "Ty", false}, // typed in another case
        {"Mačka", Marks::Key, 3, "", false},   // the wrong part of speech
        {"Dlho", Marks::None, 3, "", false},   // the unexpressed subject missing
    };
    expectVerdicts<ex03::TMainForm03, Case>(
        s, "IPodmet", cases,
        [&](const Case& c, int r) {
            if (c.item) {
                bot->click(s.choices().image(r));
                bot->click(s.choices().list().item(c.item - 1));
            }
            if (*c.typed) {
                bot->click(s.answerField(r));
                bot->type(c.typed);
            }
        },
        4);
    EXPECT_TRUE(s.answerField(1).readOnly());
    expectAnswer(s, "Mačka", "Slovný druh: podstatné meno", {1}, {2}, ex03::TMainForm03::kSubjectColour);
}

TEST_F(MarkingExercises, Exercise04MarksKindAndExtentAreJudgedTogether) {
    auto& s = open<ex04::TMainForm04>("04", k04);
    struct Case {
        const char* start;
        Marks marks;
        int kindClicks, extentClicks;
        bool right;
    };
    const std::vector<Case> cases = {
        {"Sova", Marks::Key, 1, 0, true}, // right without touching the second image
        {"Deti", Marks::Key, 1, 2, true},   {"Čaj", Marks::Key, 2, 0, true},
        {"Izba", Marks::Key, 2, 2, true},   {"Vtáky", Marks::Key, 0, 0, false}, // no kind chosen
        {"Voda", Marks::None, 2, 1, false}, // kind and extent right, no underline
        {"Pes", Marks::None, 0, 0, false},  // an empty row
        {"Brat", Marks::Key, 3, 0, false},  // three clicks: verbal again
        {"Dňa", Marks::Key, 1, 1, true},    {"Mama", Marks::Key, 1, 1, false}, // expanded, not multiple
    };
    expectVerdicts<ex04::TMainForm04, Case>(
        s, "IPrisudek", cases,
        [&](const Case& c, int r) {
            clickTimes(s.kinds().image(r), c.kindClicks);
            clickTimes(s.extents().image(r), c.extentClicks);
        },
        5);
    // A date keeps its full stop in the word.
    EXPECT_EQ(s.marking().rows().label(rowStarting(s, "Dňa"), 2).text(), "5.");
    expectAnswer(s, "Mama", "Druh prísudku: slovesný + viacnásobný", {2, 4}, {1, 3},
                 ex04::TMainForm04::kPredicateColour);
}

TEST_F(MarkingExercises, Exercise03TheListOpensBelowTheImageOrAboveItAtTheBottomAndShowsTheChoice) {
    auto& s = open<ex03::TMainForm03>("03", k03);
    framework::ChoiceListRows& c = s.choices();
    bot->click(c.image(1));
    ASSERT_TRUE(c.list().visible());
    EXPECT_EQ(c.list().bounds(), (ui::Rect{547 + 58 - 116, 90 + 32 - 8, 116, 100}));
    bot->click(c.list().item(4));
    EXPECT_FALSE(c.list().visible());
    EXPECT_EQ(c.answer(1), "Slo");
    EXPECT_TRUE(c.image(1).hasPicture());

    bot->click(c.image(10));
    EXPECT_EQ(c.list().top(), 387 - 100 + 8) << "the bottom row's list opens upward";
    EXPECT_EQ(c.list().row(), 10);

    // A word pressed while the list is open closes it before the mark.
    bot->click("IPodmet");
    bot->click(c.image(2));
    ASSERT_TRUE(c.list().visible());
    bot->click(s.marking().rows().label(2, 1));
    EXPECT_FALSE(c.list().visible());
    EXPECT_EQ(s.marking().mark(2, 1), 1);
    EXPECT_EQ(c.answer(2), "") << "closing chooses nothing";

    // After the check the image no longer opens the list.
    bot->click("IKontr");
    bot->click(c.image(3));
    EXPECT_FALSE(c.list().visible());
}

TEST_F(MarkingExercises,
       Exercise04TheFirstClickShowsTheSecondImageOnSimpleNewExamplesHideItAndTheCheckFreezesBoth) {
    auto& s = open<ex04::TMainForm04>("04", k04);
    const int r = rowStarting(s, "Sova");
    EXPECT_FALSE(s.extents().image(r).visible());
    EXPECT_FALSE(s.kinds().image(r).hasPicture());
    clickTimes(s.kinds().image(r), 1);
    EXPECT_TRUE(s.extents().image(r).visible());
    EXPECT_EQ(s.kinds().answer(r), "SLOV");
    EXPECT_EQ(s.extents().answer(r), "H");
    clickTimes(s.kinds().image(r), 1);
    EXPECT_EQ(s.kinds().answer(r), "JMSS");
    EXPECT_EQ(s.extents().answer(r), "H") << "the extent stays";
    clickTimes(s.extents().image(r), 1);
    EXPECT_EQ(s.extents().answer(r), "R") << "the first click on the second image gives expanded";

    bot->click("INove");
    const int again = rowStarting(s, "Sova");
    EXPECT_FALSE(s.extents().image(again).visible());
    EXPECT_EQ(s.extents().answer(again), "H");
    EXPECT_EQ(s.kinds().image(again).counter(), 0);

    // After the check neither image changes.
    clickTimes(s.kinds().image(again), 1);
    bot->click("IKontr");
    clickTimes(s.kinds().image(again), 1);
    clickTimes(s.extents().image(again), 1);
    EXPECT_EQ(s.kinds().answer(again), "SLOV");
    EXPECT_EQ(s.extents().answer(again), "H");
}

// After the check the choice images no longer change, nor sound under the mouse.
TEST_F(MarkingExercises, Exercise02AfterTheCheckTheChoiceImagesAreFrozenAndSilent) {
    auto& s = open<ex02::TMainForm02>("02", k02);
    const int r = rowStarting(s, "Vlak");
    clickTimes(s.choices().image(r), 2);
    EXPECT_EQ(s.choices().answer(r), "R");
    bot->click("IKontr");
    const int enters = countSounds("\\Sound\\Enter.wav");
    bot->moveTo(ui::Automation::center(s.choices().image(r)));
    clickTimes(s.choices().image(r), 1);
    EXPECT_EQ(s.choices().answer(r), "R");
    EXPECT_EQ(countSounds("\\Sound\\Enter.wav"), enters);
}

// The correct answer's line: the kind compared exactly (02); where it joins two answers, the
// unexpressed subject and the part of speech (03), the kind and the extent (04).
TEST(MarkingExerciseTexts, TheLineComparesTheKeyExactlyAndJoinsItsTwoAnswers) {
    EXPECT_EQ(ex02::TMainForm02::kindText("h"), "");
    for (const auto& [subject, code, text] :
         {std::tuple{"", "Cit", "Slovný druh: citoslovce"},
          std::tuple{"on", "Zaj", "Podmet - nevyjadrený: on, slovný druh: zámeno"},
          std::tuple{"ty", "", "Podmet - nevyjadrený: ty"}})
        EXPECT_EQ(ex03::TMainForm03::answerText(subject, code), text);
    EXPECT_EQ(ex04::TMainForm04::kindText("JMSS", "R"), "Druh prísudku: menný + rozvitý");
}

} // namespace
