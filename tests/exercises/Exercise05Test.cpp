// Exercise 05 on its screen, built on fakes: bold words, the chooser with its pop-up list, the exact check of
// the answer codes and the one-line correct answer.
#include "ScreenOnFakes.h"

#include "exercises/05/Main05.h"
#include "exercises/05/Sentences05.h"
#include "framework/RowLayout.h"
#include "framework/WordRows.h"

namespace {

using ex05::TMainForm05;

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
    "Mama $varí obed.@Pris",       // chosen right
    "$Otec číta noviny.@pod",      // the code differs in case: no choice matches
    "Deti $idú von.@Xyz",          // an unknown code: nothing bold, nothing matches
    "Píšem $list kamarátovi.@Dop", // "Dop" has no item: always wrong
    "Vonku $prší?@Pris",           // left at the prompt: wrong
    "Zajtra $ráno pôjdeme.@PuC",
    "Na $stole je kniha.@PuM",
    "Rýchlo $bežal domov.@PuZ",
    "$Dobrý kamarát pomohol.@PkS",
    "Najneuveriteľnejšie dobrodružstvá $nezabudnuteľných cestovateľov.@PkS", // too wide at 12 points
};

struct Exercise05Test : ScreenOnFakes {
    TMainForm05* screen = nullptr;
    TMainForm05& s() { return *screen; }
    void SetUp() override { screen = &open<TMainForm05>("05", kSentences); }
    // The row whose first word is `word`.
    int row(const std::string& word) { return rowStarting(s(), word + " "); }
    void choose(int r, const std::string& shortName) {
        bot->click(s().choosers().chooser(r));
        for (std::size_t i = 0; i < ex05::memberTable().size(); ++i)
            if (ex05::memberTable()[i].shortName == shortName) bot->click(s().choosers().list().item(int(i)));
    }
};

TEST_F(Exercise05Test, TheMarkedWordIsBoldAndTheRowFitsItsWidth) {
    framework::WordRows& rows = s().rows();
    EXPECT_TRUE(rows.label(row("Otec"), 1).bold()) << "a code that differs only in case is still bold";
    EXPECT_TRUE(rows.label(row("Píšem"), 2).bold());
    EXPECT_FALSE(rows.label(row("Deti"), 2).bold()) << "an unknown code shows no bold word";
    EXPECT_FALSE(rows.label(row("Mama"), 1).bold());

    // "?" before "@" is a word of its own, without a gap; other words 3 pixels apart.
    const int r = row("Vonku");
    EXPECT_EQ(rows.label(r, 3).text(), "?");
    EXPECT_EQ(rows.label(r, 3).left(), rows.label(r, 2).left() + rows.label(r, 2).width());
    EXPECT_EQ(rows.label(r, 2).left(), rows.label(r, 1).left() + rows.label(r, 1).width() + 3);

    // The long row takes the largest size at which its letters fit 420 pixels, and sits lower.
    const int longRow = row("Najneuveriteľnejšie");
    const int size = rows.label(longRow, 4).fontSize();
    std::string joined;
    for (int k = 1; k <= 4; ++k)
        joined += rows.label(longRow, k).text();
    EXPECT_LT(size, 12);
    EXPECT_LE(framework::measureFormText(joined, size, false), ex05::kRowLimit);
    EXPECT_GT(framework::measureFormText(joined, size + 1, false), ex05::kRowLimit);
    EXPECT_EQ(rows.label(longRow, 1).top(), framework::topForSize(36 * longRow + 59, size));
}

TEST_F(Exercise05Test, TheListOpensBesideItsChooserAndOtherClicksCloseIt) {
    framework::ChooserRows& c = s().choosers();
    const ui::Point background{20, 460};
    // Right-aligned with the chooser; under it for rows 1 to 7, above it for rows 8 to 10.
    for (int r : {1, 7, 8}) {
        bot->click(c.chooser(r));
        EXPECT_EQ(c.list().row(), r);
        EXPECT_EQ(c.list().bounds(), (ui::Rect{415, r <= 7 ? 36 * r + 77 : 36 * r + 61 - 132, 178, 132}));
        bot->click(background);
        EXPECT_FALSE(c.list().visible());
    }
    bot->click(c.chooser(2));
    bot->click(s().rows().label(3, 1));
    EXPECT_FALSE(c.list().visible()) << "a click on a word closes the list";
    EXPECT_EQ(c.chooser(2).text(), ex05::kPrompt);

    choose(4, "Predmet");
    EXPECT_EQ(c.chooser(4).text(), "Predmet");
    EXPECT_TRUE(c.face(4).visible());
    bot->click(c.chooser(5));
    bot->click("INove");
    EXPECT_FALSE(c.list().visible());
    EXPECT_EQ(c.chooser(4).text(), ex05::kPrompt);
    EXPECT_FALSE(c.face(4).visible());

    bot->click(c.chooser(6));
    bot->click("IKontr");
    EXPECT_FALSE(c.list().visible());
    bot->click(c.chooser(6));
    EXPECT_FALSE(c.list().visible()) << "a checked chooser opens nothing";
}

TEST_F(Exercise05Test, TheCheckComparesTheCodeExactlyAndWrongRowsShowTheMember) {
    for (const auto& [word, member] : std::vector<std::pair<const char*, const char*>>{
             {"Mama", "Prísudok"},
             {"Otec", "Podmet"},
             {"Deti", "Podmet"},
             {"Zajtra", "Prísl. urč. času"},
             {"Na", "Prísl. urč. miesta"},
             {"Rýchlo", "Prísl. urč. spôs."},
             {"Dobrý", "Predmet"},
             {"Dobrý", "Prívlastok zh."}, // a choice can be changed until the check
             {"Najneuveriteľnejšie", "Prívlastok zh."}})
        choose(row(word), member);
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 6);
    EXPECT_EQ(s().flow().wrong(), 4);

    // Under each wrong row, the member of its code; nothing for a code that no item gives.
    for (const auto& [word, text] : std::vector<std::pair<const char*, const char*>>{
             {"Vonku", "Vetný člen: Prísudok"}, {"Otec", ""}, {"Deti", ""}, {"Píšem", ""}})
        EXPECT_EQ(oneLineAnswer(s(), word + std::string(" ")), text);
}

} // namespace
