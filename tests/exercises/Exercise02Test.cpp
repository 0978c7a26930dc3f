// Exercise 02 on its screen: the subject underlined and the kind of subject clicked through the
// row's choice image, both judged together; the correct answer with the kind in words.
#include "ExerciseFixture.h"

#include "exercises/02/Main02.h"
#include "shell/Hint.h"

namespace {

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
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

struct Exercise02Test : ExerciseTest {
    ex02::TMainForm02& s() { return bot->find<ex02::TMainForm02>("MainForm02"); }
    void SetUp() override {
        openExerciseSetup("02", registerScreen02, 1, 2, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    void clickChoice(int r, int times) {
        for (int i = 0; i < times; ++i)
            bot->click(s().choices().image(r));
    }
};

enum class Marks { None, Key, KeyAndFirstWord };

TEST_F(Exercise02Test, MarksAndKindAreJudgedTogether) {
    struct Case {
        const char* start;
        Marks marks;
        int clicks;
        bool right;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const int r = rowStarting(s(), c.start);
        if (c.marks != Marks::None)
            markKey(s().marking(), r, "IPodmet", c.marks == Marks::KeyAndFirstWord ? 1 : 0);
        clickChoice(r, c.clicks);
    }
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 5);
    EXPECT_EQ(s().flow().wrong(), 5);
    for (const Case& c : cases)
        EXPECT_EQ(s().evaluationImage(rowStarting(s(), c.start)).clickable, !c.right) << c.start;
}

TEST_F(Exercise02Test, AfterTheCheckTheChoiceImagesAreFrozenAndSilent) {
    const int r = rowStarting(s(), "Vlak");
    clickChoice(r, 2);
    EXPECT_EQ(s().choices().answer(r), "R");
    bot->click("IKontr");
    const int enters = countSounds("\\Sound\\Enter.wav");
    bot->moveTo(ui::Automation::center(s().choices().image(r)));
    clickChoice(r, 1);
    EXPECT_EQ(s().choices().answer(r), "R");
    EXPECT_EQ(countSounds("\\Sound\\Enter.wav"), enters);
}

TEST_F(Exercise02Test, TheCorrectAnswerNamesTheKindAndUnderlinesTheSubjectInRed) {
    for (const auto& [remark, text] :
         {std::pair{"H", "Druh podmetu: holý"}, std::pair{"R", "Druh podmetu: rozvitý"},
          std::pair{"N", "Druh podmetu: viacnásobný"}, std::pair{"h", ""}, std::pair{"", ""}})
        EXPECT_EQ(ex02::TMainForm02::kindText(remark), text) << remark;

    const int r = rowStarting(s(), "Adam");
    bot->click("IKontr");
    press(s().evaluationImage(r));
    ASSERT_TRUE(s().answerShown());
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(window.top(), 73 + 33 * r);
    EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), "Druh podmetu: viacnásobný");
    for (int k : {1, 3}) { // Adam, Klára
        const ui::Label& word = bot->find<ui::Label>("Odpoved" + std::to_string(k));
        EXPECT_EQ(
            window.IHint->picture().pixel(word.left() + word.width() / 2, word.top() + word.height() - 1),
            ex02::TMainForm02::kSubjectColour)
            << word.text();
    }
    release(s().evaluationImage(r));
    EXPECT_FALSE(s().answerShown());
}

} // namespace
