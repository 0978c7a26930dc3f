// Exercise 11 on its screen: the subordinate clause underlined, its kind chosen from the pop-up
// list, the check of both, and the correct answer with the kind.
#include "ExerciseFixture.h"

#include "exercises/11/Main11.h"
#include "exercises/11/Sentences11.h"
#include "shell/Hint.h"

namespace {

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
    "$Keď sa skončilo vyučovanie, #išli sme na ihrisko.@Prislcasove",
    "#Polož tašku tam, $kde nebude prekážať.@Prislmistni",
    "#Zostali sme v triede, $pretože vonku pršalo.@Prislpricinne",
    "$Kto vyrieši hádanku, #dostane odmenu.@Podmetne",
    "#Viem, $že prídeš.@Predmetne",
    "#Kniha, $ktorú čítam, #je zaujímavá.@Privlastkove",
    "#Bol taký, $aký je jeho otec.@Prisudkove",
    "#Vrátil sa domov, $keď sa zotmelo.@prislcasove", // the key in other letter case never matches
    "#Videl som ho, $ako beží.@Doplnkove",            // a kind the list does not offer
    "#Prišiel, $keď pršalo.",                         // no kind at all
};

struct Exercise11Test : ExerciseTest {
    ex11::TMainForm11& s() { return bot->find<ex11::TMainForm11>("MainForm11"); }
    void SetUp() override {
        openExerciseSetup("11", registerScreen11, 4, 3, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    // The row whose first clause (slot 2: every line begins with a mark) begins with `start`.
    int row(const std::string& start) {
        for (int r = 1; r <= 10; ++r)
            if (s().sentenceOfRow(r)[1].text.starts_with(start)) return r;
        ADD_FAILURE() << start;
        return 1;
    }
    void underline(int r, int k) {
        bot->click("IVedlejsi");
        bot->click(s().clauses().rows().label(r, k));
    }
    void underlineKey(int r) {
        for (int k = 1; k <= 7; ++k)
            if (s().sentenceOfRow(r)[std::size_t(k - 1)].code == ex11::kSubordinate) underline(r, k);
    }
    void choose(int r, const std::string& shortName) {
        bot->click(s().choosers().chooser(r));
        for (std::size_t i = 0; i < ex11::kindTable().size(); ++i)
            if (ex11::kindTable()[i].shortName == shortName) bot->click(s().choosers().list().item(int(i)));
    }
};

TEST_F(Exercise11Test, CommaAndClosingMarkSlotsStickTakeNoUnderlineAndTheListOpensRightAligned) {
    framework::WordRows& rows = s().clauses().rows();
    const int r = row("Viem");
    for (int k : {3, 5}) {
        EXPECT_EQ(rows.label(r, k).left(), rows.label(r, k - 1).left() + rows.label(r, k - 1).width())
            << rows.label(r, k).text();
        underline(r, k);
        EXPECT_EQ(s().clauses().mark(r, k), 0);
    }
    // 499 + 154 passes the form's width; under the chooser for rows 1 to 8, above it for 9 and 10.
    framework::ChooserRows& c = s().choosers();
    for (int q : {8, 9}) {
        bot->click(c.chooser(q));
        EXPECT_EQ(c.list().bounds(), (ui::Rect{439, q == 8 ? 33 * q + 80 : 33 * q + 64 - 132, 154, 132}));
        bot->click(ui::Point{20, 460});
    }
    bot->click(c.chooser(2));
    bot->click(rows.label(r, 2));
    EXPECT_FALSE(c.list().visible()) << "a clause click closes the list";
}

TEST_F(Exercise11Test, BothTheUnderlinesAndTheKindMustBeRight) {
    for (const char* start : {"Polož", "Viem", "Kniha", "Bol", "Keď", "Vrátil", "Videl", "Kto"})
        underlineKey(row(start));
    choose(row("Polož"), "Prísl. miestna");
    choose(row("Viem"), "Predmetová");
    choose(row("Kniha"), "Prívlastková");
    choose(row("Bol"), "Podmetová");
    choose(row("Bol"), "Prísudková"); // a choice can be changed until the check
    // Wrong: the kind missing, an underline missing, an extra one, the key in other case.
    choose(row("Zostali"), "Prísl. príčinná");
    underline(row("Kto"), 4);
    choose(row("Kto"), "Podmetová");
    choose(row("Vrátil"), "Prísl. časová");
    choose(row("Videl"), "Prísl. spôsob.");
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 4);
    EXPECT_EQ(s().flow().wrong(), 6);

    // Under a wrong row: a blue line under the subordinate clause, at the foot of the first clause
    // label even when that slot is empty, and the kind of the key compared exactly.
    for (const auto& [start, kind] :
         {std::pair{"Keď", "Druh vedľajšej vety: príslovková časová"},
          std::pair{"Videl", "Druh vedľajšej věty: doplnková"}, std::pair{"Vrátil", ""}}) {
        const int r = row(start);
        press(s().evaluationImage(r));
        auto& window = bot->find<shell::THintForm>("HintForm");
        EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), kind);
        const ui::Label& first = bot->find<ui::Label>("Odpoved1");
        for (int k = 2; k <= 4; k += 2) {
            const ui::Label& clause = bot->find<ui::Label>("Odpoved" + std::to_string(k));
            const ui::Color pixel = window.IHint->picture().pixel(clause.left() + clause.width() / 2,
                                                                  first.top() + first.height() - 1);
            EXPECT_EQ(pixel == framework::kSubordinateClauseColour,
                      s().sentenceOfRow(r)[std::size_t(k - 1)].code == ex11::kSubordinate)
                << start << " " << k;
        }
        release(s().evaluationImage(r));
        app().processMessages();
    }
}

} // namespace
