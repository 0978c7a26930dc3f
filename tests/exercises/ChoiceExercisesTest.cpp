// Exercises 08, 11b and 13 on their screens: the answer picture that cycles through two answers,
// the exact check against the sentence's key, the one-line correct answer, the font fitting of the
// rows and the bold inserted words of 11b.
#include "ExerciseFixture.h"

#include "exercises/08/Main08.h"
#include "exercises/11b/Main11b.h"
#include "exercises/13/Main13.h"
#include "framework/RowLayout.h"
#include "shell/Hint3.h"

namespace {

// The exercise opened on a run of ten: the given sentences, then fillers made with `filler`.
struct ChoiceExerciseTest : ExerciseTest {
    framework::ChoiceScreen* screen = nullptr;

    void open(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&), int category, int slot,
              std::vector<std::string> lines, const std::string& filler) {
        for (int i = int(lines.size()); i < 10; ++i)
            lines.push_back("Veta" + std::to_string(i) + filler);
        openExerciseSetup(key, registerScreen, category, slot, lines, "Eva", "I10");
        bot->click("IPokracuj");
        screen = &bot->find<framework::ChoiceScreen>("MainForm" + key);
    }
    framework::ChoiceScreen& s() { return *screen; }
    // The row whose sentence begins with `start`.
    int row(const std::string& start) {
        for (int r = 1; r <= 10; ++r)
            if (s().sentenceOfRow(r)[0].text.starts_with(start)) return r;
        ADD_FAILURE() << start;
        return 1;
    }
    void clickChoice(const std::string& start, int times) {
        for (int i = 0; i < times; ++i)
            bot->click(s().choices().image(row(start)));
    }
    // The text under a wrong row while its verdict is held down.
    std::string correctAnswer(const std::string& start) {
        const int r = row(start);
        press(s().evaluationImage(r));
        auto& window = bot->find<shell::THintForm3>("HintForm3");
        EXPECT_EQ(window.bounds().left, 8);
        EXPECT_EQ(window.top(), 70 + 36 * r);
        const std::string text = bot->find<ui::Label>("Odpoved").text();
        release(s().evaluationImage(r));
        app().processMessages();
        EXPECT_FALSE(bot->exists("HintForm3"));
        return text;
    }
};

TEST_F(ChoiceExerciseTest, Exercise13TheButtonCyclesAndTheCheckComparesTheKeyExactly) {
    open("13", registerScreen13, 5, 1,
         {"Dedko číta a babka pletie.@souradici", "Viem, že prídeš.@podradici", "Prší a fúka.@Souradici",
          "Kým spíš, pracujem.@podradici", "Bez kľúča a bez odpovede.@"},
         " a veta.@souradici");
    framework::ChoiceRows& c = s().choices();

    // Every click moves on, silently; the third is back at the first answer and its picture.
    const int r = row("Viem");
    const int clicks = countSounds("\\Sound\\Click.wav");
    for (const char* expected : {"souradici", "podradici", "souradici"}) {
        bot->click(c.image(r));
        EXPECT_EQ(c.answer(r), expected);
    }
    EXPECT_TRUE(samePicture(c.image(r).picture(), cdPicture("\\Bitmap\\Games\\13_sou.bmp")));
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks);

    clickChoice("Dedko", 1);
    clickChoice("Prší", 1);
    for (int i = 0; i < 5; ++i)
        clickChoice("Veta" + std::to_string(i + 5), 1);
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 6) << "no click, a wrong answer, a capital or an empty key are wrong";

    // Checked: the buttons no longer change.
    clickChoice("Dedko", 1);
    EXPECT_EQ(c.answer(row("Dedko")), "souradici");

    EXPECT_EQ(correctAnswer("Viem"), "Druh súvetia: podraďovacie");
    EXPECT_EQ(correctAnswer("Prší"), "") << "a key with a capital has no text";
    EXPECT_EQ(correctAnswer("Bez"), "");
}

TEST_F(ChoiceExerciseTest, Exercise08RowsFitIn430PixelsAndWrongRowsNameTheKind) {
    open("08", registerScreen08, 3, 2,
         {"Mama varí obed.@Dvojclenna",
          "Najneuveriteľnejšie dobrodružstvá nezabudnuteľných cestovateľov sa skončili.@Dvojclenna"},
         ".@Jednoclenna");
    const int wide = row("Najneuveriteľnejšie");
    const ui::Label& label = s().rows().label(wide, 1);
    EXPECT_GT(framework::measureFormText(label.text(), label.fontSize() + 1, false), 430);
    EXPECT_LE(framework::measureFormText(label.text(), label.fontSize(), false), 430);
    EXPECT_EQ(label.top(), framework::topForSize(36 * wide + 59, label.fontSize()));
    EXPECT_EQ(s().choices().image(1).bounds(), (ui::Rect{490, 90, 116, 32}));

    clickChoice("Mama", 3);
    bot->click("IKontr");
    EXPECT_EQ(correctAnswer("Mama"), "Druh vety: dvojčlenná");
    EXPECT_EQ(correctAnswer("Veta2"), "Druh vety: jednočlenná");
}

TEST_F(ChoiceExerciseTest, Exercise11bMarkedWordsAreBold) {
    open("11b", registerScreen11b, 4, 4, {"Zajtra, my#slím, ideme von.@vsuvka"}, ", #ktorú #mám.@vedlejsi");
    const int r = row("Zajtra");
    framework::WordRows& rows = s().rows();
    EXPECT_EQ(rows.label(r, 2).text(), "myslím,") << "the mark is not shown";
    EXPECT_TRUE(rows.label(r, 2).bold()) << "a mark inside a word makes the whole word bold";
    EXPECT_FALSE(rows.label(r, 1).bold() || rows.label(r, 3).bold());

    clickChoice("Zajtra", 1);
    bot->click("IKontr");
    EXPECT_EQ(correctAnswer("Zajtra"), "Druh vety: vsuvka");
    EXPECT_EQ(correctAnswer("Veta1"), "Druh vety: vložená veta");
}

} // namespace
