// Exercise 05 on its screen: bold words, the chooser with its pop-up list, the exact check of the
// answer codes and the one-line correct answer.
#include "ExerciseFixture.h"

#include "exercises/05/Main05.h"
#include "exercises/05/Sentences05.h"
#include "framework/RowLayout.h"
#include "framework/WordRows.h"
#include "shell/Hint3.h"

#include <ui/Label.h>

namespace {

using ex05::TMainForm05;

// Ten sentences for a run of ten, so that every one is on the page. The comment says what the
// test chooses and why the row is right or wrong.
const std::vector<std::string> kSentences = {
    "Mama $varí obed.@Pris",       // "Prísudok": right
    "$Otec číta noviny.@pod",      // the code differs in case: no choice matches
    "Deti $idú von.@Xyz",          // an unknown code: nothing bold, nothing matches
    "Píšem $list kamarátovi.@Dop", // "Dop" has no item: always wrong
    "Vonku $prší?@Pris",           // left at the prompt: wrong
    "Zajtra $ráno pôjdeme.@PuC",   // right
    "Na $stole je kniha.@PuM",     // right
    "Rýchlo $bežal domov.@PuZ",    // right
    "$Dobrý kamarát pomohol.@PkS", // right
    "Najneuveriteľnejšie dobrodružstvá $nezabudnuteľných cestovateľov.@PkS", // wider than 420 pixels at 12
                                                                             // points; right
};

struct Exercise05Test : ExerciseTest {
    TMainForm05& startRun(const std::vector<std::string>& lines = kSentences,
                          const std::string& number = "I10") {
        openExerciseSetup("05", registerScreen05, 2, 1, lines, "Eva", number);
        bot->click("IPokracuj");
        return bot->find<TMainForm05>("MainForm05");
    }

    // The row whose sentence begins with `word`.
    int rowStarting(const TMainForm05& s, const std::string& word) {
        for (int r = 1; r <= s.flow().rowsOnPage(); ++r)
            if (s.sentenceOfRow(r)[0].text == word) return r;
        ADD_FAILURE() << "no row begins with " << word;
        return 1;
    }

    void choose(TMainForm05& s, int r, const std::string& shortName) {
        bot->click(s.choosers().chooser(r));
        const auto& items = ex05::memberTable();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].shortName == shortName) bot->click(s.choosers().list().item(int(i)));
    }
};

TEST_F(Exercise05Test, TheMarkedWordIsBoldAndTheRowFitsItsWidth) {
    TMainForm05& s = startRun();
    auto& rows = s.rows();

    const int otec = rowStarting(s, "Otec");
    EXPECT_TRUE(rows.label(otec, 1).bold()) << "a code that differs only in case still makes the word bold";
    EXPECT_FALSE(rows.label(otec, 2).bold());
    const int dop = rowStarting(s, "Píšem");
    EXPECT_TRUE(rows.label(dop, 2).bold());
    const int unknown = rowStarting(s, "Deti");
    for (int k = 1; k <= 3; ++k)
        EXPECT_FALSE(rows.label(unknown, k).bold()) << "an unknown code shows no bold word";

    // "?" before "@" is a word of its own, placed without a gap; other words 3 pixels apart.
    const int vonku = rowStarting(s, "Vonku");
    const ui::Label& prsi = rows.label(vonku, 2);
    const ui::Label& mark = rows.label(vonku, 3);
    EXPECT_EQ(prsi.text(), "prší");
    EXPECT_EQ(mark.text(), "?");
    EXPECT_EQ(mark.left(), prsi.left() + prsi.width());
    EXPECT_EQ(prsi.left(), rows.label(vonku, 1).left() + rows.label(vonku, 1).width() + 3);
    EXPECT_EQ(prsi.top(), 36 * vonku + 59);

    // The long row shrinks to the largest size at which its letters fit 420 pixels, all its words
    // alike, and sits lower by that size.
    const int longRow = rowStarting(s, "Najneuveriteľnejšie");
    const int size = rows.label(longRow, 1).fontSize();
    EXPECT_LT(size, 12);
    std::string joined;
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(rows.label(longRow, k).fontSize(), size);
        EXPECT_EQ(rows.label(longRow, k).top(), framework::topForSize(36 * longRow + 59, size));
        joined += rows.label(longRow, k).text();
    }
    EXPECT_LE(framework::measureFormText(joined, size, false), ex05::kRowLimit);
    EXPECT_GT(framework::measureFormText(joined, size + 1, false), ex05::kRowLimit);
}

TEST_F(Exercise05Test, TheListOpensBesideItsChooserAndEveryOtherClickClosesIt) {
    TMainForm05& s = startRun();
    framework::TMujListbox& list = s.choosers().list();

    // Right-aligned under the chooser for rows 1 to 7, above it for rows 8 to 10.
    bot->click(s.choosers().chooser(1));
    ASSERT_TRUE(list.visible());
    EXPECT_EQ(list.row(), 1);
    EXPECT_EQ(list.bounds(), (ui::Rect{499 + 94 - 178, 36 + 77, 178, 132}));
    bot->click(s.choosers().chooser(7));
    EXPECT_EQ(list.row(), 7);
    EXPECT_EQ(list.top(), 36 * 7 + 77);
    for (int r : {8, 10}) {
        bot->click(ui::Point{20, 460}); // IPozadi: the list lies over the choosers below row 7
        bot->click(s.choosers().chooser(r));
        EXPECT_EQ(list.row(), r);
        EXPECT_EQ(list.top(), 36 * r + 61 - 132);
        EXPECT_EQ(list.left(), 499 + 94 - 178);
    }

    // An item lights up under the mouse and goes back when the mouse leaves.
    framework::TMujListBoxLabel& item = list.item(2);
    bot->hover(item);
    EXPECT_EQ(item.color(), ui::colors::Black);
    EXPECT_EQ(item.fontColor(), framework::kListColour);
    bot->hover(list.item(3));
    EXPECT_EQ(item.color(), framework::kListColour);

    // The background (above), a word and the check close it without choosing.
    bot->click(ui::Point{20, 460});
    EXPECT_FALSE(list.visible());
    bot->click(s.choosers().chooser(2));
    bot->click(s.rows().label(3, 1));
    EXPECT_FALSE(list.visible());
    EXPECT_EQ(s.choosers().chooser(2).text(), ex05::kPrompt);

    // New examples close it and put every chooser back to the prompt.
    choose(s, 4, "Predmet");
    EXPECT_TRUE(s.choosers().face(4).visible());
    bot->click(s.choosers().chooser(5));
    bot->click("INove");
    EXPECT_FALSE(list.visible());
    EXPECT_EQ(s.choosers().chooser(4).text(), ex05::kPrompt);
    EXPECT_TRUE(s.choosers().chooser(4).transparent());
    EXPECT_FALSE(s.choosers().face(4).visible());

    bot->click(s.choosers().chooser(6));
    bot->click("IKontr");
    EXPECT_FALSE(list.visible());
    // A checked chooser opens nothing.
    bot->click(s.choosers().chooser(6));
    EXPECT_FALSE(list.visible());
}

TEST_F(Exercise05Test, TheCheckComparesTheChosenCodeExactlyAndWrongRowsShowTheMember) {
    TMainForm05& s = startRun();
    const std::vector<std::pair<const char*, const char*>> choices = {
        {"Mama", "Prísudok"},         {"Otec", "Podmet"},
        {"Deti", "Podmet"},           {"Zajtra", "Prísl. urč. času"},
        {"Na", "Prísl. urč. miesta"}, {"Rýchlo", "Prísl. urč. spôs."},
        {"Dobrý", "Prívlastok zh."},  {"Najneuveriteľnejšie", "Prívlastok zh."}};
    for (const auto& [word, member] : choices)
        choose(s, rowStarting(s, word), member);
    const int mama = rowStarting(s, "Mama");
    EXPECT_EQ(s.choosers().chooser(mama).text(), "Prísudok");
    EXPECT_FALSE(s.choosers().chooser(mama).transparent());
    EXPECT_EQ(s.choosers().chooser(mama).color(), framework::kListColour);
    // A choice can be changed until the check.
    const int dobry = rowStarting(s, "Dobrý");
    choose(s, dobry, "Predmet");
    choose(s, dobry, "Prívlastok zh.");

    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), 6);
    EXPECT_EQ(s.flow().wrong(), 4);
    for (const char* wrong : {"Otec", "Deti", "Píšem", "Vonku"})
        EXPECT_TRUE(s.evaluationImage(rowStarting(s, wrong)).clickable) << wrong;
    EXPECT_FALSE(s.evaluationImage(mama).clickable);

    // The one-line window under the row: the member of the answer code, nothing for a code that
    // no item gives.
    const std::vector<std::pair<const char*, const char*>> answers = {
        {"Vonku", "Vetný člen: Prísudok"}, {"Otec", ""}, {"Deti", ""}, {"Píšem", ""}};
    for (const auto& [word, text] : answers) {
        const int r = rowStarting(s, word);
        press(s.evaluationImage(r));
        ASSERT_TRUE(s.answerShown());
        auto& window = bot->find<shell::THintForm3>("HintForm3");
        EXPECT_EQ(window.left(), 8);
        EXPECT_EQ(window.top(), 70 + 36 * r);
        EXPECT_EQ(bot->find<ui::Label>("Odpoved").text(), text) << word;
        release(s.evaluationImage(r));
        app().processMessages();
        EXPECT_FALSE(bot->exists("HintForm3"));
    }
}

} // namespace
