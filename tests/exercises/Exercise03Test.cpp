// Exercise 03 on its screen: the subject underlined, the unexpressed subject typed and the part of
// speech chosen from the pop-up list of the row's choice image, all judged together.
#include "ExerciseFixture.h"

#include "exercises/03/Main03.h"
#include "shell/Hint.h"

namespace {

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
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

struct Exercise03Test : ExerciseTest {
    ex03::TMainForm03& s() { return bot->find<ex03::TMainForm03>("MainForm03"); }
    void SetUp() override {
        openExerciseSetup("03", registerScreen03, 1, 3, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    // Chooses item `item` (1 to 6) of the list opened from row r's image.
    void choose(int r, int item) {
        bot->click(s().choices().image(r));
        bot->click(s().choices().list().item(item - 1));
    }
};

TEST_F(Exercise03Test, MarksFieldAndPartOfSpeechAreJudgedTogether) {
    struct Case {
        const char* start;
        bool marked;
        int item; // 0: none chosen
        const char* typed;
        bool right;
    };
    const Case cases[] = {
        {"Včera", true, 1, "", true},        {"Do ", true, 2, "", true},
        {"Niekto", true, 0, "", false},      // no part of speech chosen
        {"Traja", false, 4, "", false},      // the choice right, no underline
        {"Bicyklovať", false, 0, "", false}, // an empty row
        {"Zajtra", false, 3, "ja", true},    // no subject word, the unexpressed subject typed
        {"Za dverami", true, 6, "", true},   {"Kedy", false, 3, "Ty", false}, // typed in another case
        {"Mačka", true, 3, "", false},                                        // the wrong part of speech
        {"Dlho", false, 3, "", false}, // the unexpressed subject missing
    };
    for (const Case& c : cases) {
        const int r = rowStarting(s(), c.start);
        if (c.marked) markKey(s().marking(), r, "IPodmet");
        if (c.item) choose(r, c.item);
        if (*c.typed) {
            bot->click(s().answerField(r));
            bot->type(c.typed);
        }
    }
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 4);
    EXPECT_EQ(s().flow().wrong(), 6);
    for (const Case& c : cases)
        EXPECT_EQ(s().evaluationImage(rowStarting(s(), c.start)).clickable, !c.right) << c.start;
    EXPECT_TRUE(s().answerField(1).readOnly());
}

TEST_F(Exercise03Test, TheListOpensBelowTheImageOrAboveItAtTheBottomAndShowsTheChoice) {
    framework::ChoiceListRows& c = s().choices();
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
    bot->click(s().marking().rows().label(2, 1));
    EXPECT_FALSE(c.list().visible());
    EXPECT_EQ(s().marking().mark(2, 1), 1);
    EXPECT_EQ(c.answer(2), "") << "closing chooses nothing";

    // After the check the image no longer opens the list.
    bot->click("IKontr");
    bot->click(c.image(3));
    EXPECT_FALSE(c.list().visible());
}

TEST_F(Exercise03Test, TheCorrectAnswerGivesTheUnexpressedSubjectAndThePartOfSpeech) {
    for (const auto& [subject, code, text] :
         {std::tuple{"", "Pod", "Slovný druh: podstatné meno"},
          std::tuple{"", "Cit", "Slovný druh: citoslovce"},
          std::tuple{"on", "Zaj", "Podmet - nevyjadrený: on, slovný druh: zámeno"},
          std::tuple{"ty", "", "Podmet - nevyjadrený: ty"}})
        EXPECT_EQ(ex03::TMainForm03::answerText(subject, code), text);

    const int r = rowStarting(s(), "Mačka");
    bot->click("IKontr");
    press(s().evaluationImage(r));
    ASSERT_TRUE(s().answerShown());
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), "Slovný druh: podstatné meno");
    const ui::Label& word = bot->find<ui::Label>("Odpoved1");
    EXPECT_EQ(window.IHint->picture().pixel(word.left() + word.width() / 2, word.top() + word.height() - 1),
              ex03::TMainForm03::kSubjectColour);
    release(s().evaluationImage(r));
}

} // namespace
