// Exercise 07 on its screen (the sentence chooser screen that exercise 09 shares): the list above
// the last rows and the exact check of the kind codes.
#include "ExerciseFixture.h"

#include "exercises/07/Main07.h"

namespace {

const std::vector<std::string> kSentences = {
    "Mama varí obed.@Oznamovaci",    "Prídeš zajtra?@tazaci",  "Choď von!@Rozkaz",
    "Keby už boli prázdniny!@Praci", "To je krása!@Zvolaci",   "Zatvor okno.@Rozkazovaci",
    "Kto to povedal?@Tazaci",        "Vonku prší.@Oznamovaci", "Nech sa ti darí!@Praci",
    "Dnes sneží.@Oznamovaci",
};

struct Exercise07Test : ExerciseTest {
    ex07::TMainForm07& s() { return bot->find<ex07::TMainForm07>("MainForm07"); }
    void SetUp() override {
        openExerciseSetup("07", registerScreen07, 3, 1, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    int row(const std::string& start) {
        for (int r = 1; r <= 10; ++r)
            if (s().sentenceOfRow(r)[0].text.starts_with(start)) return r;
        return 0;
    }
};

TEST_F(Exercise07Test, OnlyAnExactKindCodeIsRight) {
    framework::ChooserRows& c = s().choosers();
    bot->click(c.chooser(10));
    EXPECT_EQ(c.list().bounds(), (ui::Rect{499, 36 * 10 + 61 - 84, 94, 84})) << "above the chooser of row 10";
    bot->click(ui::Point{20, 460});
    // Every row but "To je" gets the kind its code names: a code in other case or outside the
    // table cannot be matched.
    const std::vector<std::string> items = {"Oznamovacia", "Opytovacia",   "Rozkazovacia", "Želacia",
                                            "Oznamovacia", "Rozkazovacia", "Opytovacia",   "Oznamovacia",
                                            "Želacia",     "Oznamovacia"};
    for (std::size_t i = 0; i < kSentences.size(); ++i)
        if (i != 4) {
            bot->click(c.chooser(row(kSentences[i].substr(0, 5))));
            for (int k = 0; k < 5; ++k)
                if (ex07::kindTable()[std::size_t(k)].item == items[i]) bot->click(c.list().item(k));
        }
    bot->click("IKontr");
    EXPECT_EQ(s().flow().wrong(), 3);
    for (const auto& [start, text] : std::vector<std::pair<const char*, const char*>>{
             {"To je", "Druh vety: zvolacia"}, {"Prídeš", ""}, {"Choď", ""}}) {
        press(s().evaluationImage(row(start)));
        EXPECT_EQ(bot->find<ui::Label>("Odpoved").text(), text) << start;
        release(s().evaluationImage(row(start)));
        app().processMessages();
    }
}

} // namespace
