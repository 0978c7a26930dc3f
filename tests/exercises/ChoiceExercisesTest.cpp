// The screens whose rows are answered by one choice per sentence, built on fakes: the pop-up list
// of kinds (07) and the answer picture that cycles through two answers
// (08, 11b, 13); the exact check against the sentence's key, the one-line correct answer, the font
// fitting of the rows and the bold inserted words of 11b.
#include "ScreenOnFakes.h"

#include "exercises/07/Main07.h"
#include "exercises/08/Main08.h"
#include "exercises/11b/Main11b.h"
#include "exercises/13/Main13.h"
#include "framework/RowLayout.h"
#include "ui/Label.h"

namespace {

const std::vector<std::string> k07 = {
    "Mama varí obed.@Oznamovaci",    "Prídeš zajtra?@tazaci",  "Choď von!@Rozkaz",
    "Keby už boli prázdniny!@Praci", "To je krása!@Zvolaci",   "Zatvor okno.@Rozkazovaci",
    "Kto to povedal?@Tazaci",        "Vonku prší.@Oznamovaci", "Nech sa ti darí!@Praci",
    "Dnes sneží.@Oznamovaci",
};

struct ChoiceExercises : ScreenOnFakes {
    framework::ChoiceScreen* screen = nullptr;

    // The exercise on a run of ten: the given sentences, then fillers made with `filler`.
    template <class Screen>
    void open(const std::string& key, std::vector<std::string> lines, const std::string& filler) {
        for (int i = int(lines.size()); i < 10; ++i)
            lines.push_back("Veta" + std::to_string(i) + filler);
        screen = &ScreenOnFakes::open<Screen>(key, lines);
    }
    framework::ChoiceScreen& s() { return *screen; }
    // The row whose sentence begins with `start`.
    int row(const std::string& start) { return rowStarting(s(), start); }
    void clickChoice(const std::string& start, int times) {
        for (int i = 0; i < times; ++i)
            bot->click(s().choices().image(row(start)));
    }
    std::string correctAnswer(const std::string& start) { return oneLineAnswer(s(), start); }
};

TEST_F(ChoiceExercises, Exercise07TheListOpensAboveTheLastRowAndOnlyAnExactKindCodeIsRight) {
    auto& s = ScreenOnFakes::open<ex07::TMainForm07>("07", k07);
    framework::ChooserRows& c = s.choosers();
    bot->click(c.chooser(10));
    EXPECT_EQ(c.list().bounds(), (ui::Rect{499, 36 * 10 + 61 - 84, 94, 84})) << "above the chooser of row 10";
    bot->click(ui::Point{20, 460});
    // Every row but "To je" gets the kind its code names: a code in other case or outside the
    // table cannot be matched.
    const std::vector<std::string> items = {"Oznamovacia", "Opytovacia",   "Rozkazovacia", "Želacia",
                                            "Oznamovacia", "Rozkazovacia", "Opytovacia",   "Oznamovacia",
                                            "Želacia",     "Oznamovacia"};
    for (std::size_t i = 0; i < k07.size(); ++i)
        if (i != 4) {
            bot->click(c.chooser(rowStarting(s, k07[i].substr(0, 5))));
            for (int k = 0; k < 5; ++k)
                if (ex07::kindTable()[std::size_t(k)].item == items[i]) bot->click(c.list().item(k));
        }
    bot->click("IKontr");
    EXPECT_EQ(s.flow().wrong(), 3);
    EXPECT_EQ(oneLineAnswer(s, "To je"), "Druh vety: zvolacia");
    EXPECT_EQ(oneLineAnswer(s, "Prídeš"), "") << "a code in other case";
    EXPECT_EQ(oneLineAnswer(s, "Choď"), "") << "a code outside the table";
}

TEST_F(ChoiceExercises, Exercise13TheButtonCyclesAndTheCheckComparesTheKeyExactly) {
    open<ex13::TMainForm13>("13",
                            {"Dedko číta a babka pletie.@souradici", "Viem, že prídeš.@podradici",
                             "Prší a fúka.@Souradici", "Kým spíš, pracujem.@podradici",
                             "Bez kľúča a bez odpovede.@"},
                            " a veta.@souradici");
    framework::ChoiceRows& c = s().choices();

    // Every click moves on, silently; the third is back at the first answer and its picture.
    const int r = row("Viem");
    const int clicks = countSounds("\\Sound\\Click.wav");
    for (const char* expected : {"souradici", "podradici", "souradici"}) {
        bot->click(c.image(r));
        EXPECT_EQ(c.answer(r), expected);
    }
    EXPECT_TRUE(
        samePicture(c.image(r).picture(), ui::Bitmap::load(services.cd("\\Bitmap\\Games\\13_sou.bmp"))));
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks);

    clickChoice("Dedko", 1);
    clickChoice("Prší", 1);
    for (int i = 0; i < 5; ++i)
        clickChoice("Veta" + std::to_string(i + 5), 1);
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 6) << "no click, a wrong answer, a capital or an empty key are wrong";

    EXPECT_EQ(correctAnswer("Viem"), "Druh súvetia: podraďovacie");
    EXPECT_EQ(correctAnswer("Prší"), "") << "a key with a capital has no text";
    EXPECT_EQ(correctAnswer("Bez"), "");
}

TEST_F(ChoiceExercises, Exercise08RowsFitIn430PixelsAndWrongRowsNameTheKind) {
    open<ex08::TMainForm08>(
        "08",
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

TEST_F(ChoiceExercises, Exercise11bMarkedWordsAreBold) {
    open<ex11b::TMainForm11b>("11b", {"Zajtra, my#slím, ideme von.@vsuvka"}, ", #ktorú #mám.@vedlejsi");
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
