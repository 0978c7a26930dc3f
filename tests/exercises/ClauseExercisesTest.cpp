// Exercises 10 and 11 on their screens, built on fakes: clauses underlined with the main,
// subordinate and erase tools, the check of every clause of a row (and in 11 of the kind chosen
// from the pop-up list), and the correct answer with the clauses underlined.
#include "ScreenOnFakes.h"

#include "exercises/10/Main10.h"
#include "exercises/11/Main11.h"
#include "exercises/11/Sentences11.h"
#include "shell/Hint.h"
#include "shell/Hint3.h"

namespace {

using framework::kMainClause;
using framework::kSubordinateClause;

// Ten sentences each for a run of ten, so that all are on the page.
const std::vector<std::string> k10 = {
    "#Babka sľúbila, $že nám upletie ponožky.",
    "$Keď sa rozsvietili lampy, #vrátili sme sa domov.",
    "#Mačka, $ktorú sme našli, #už býva u nás.",
    "#Snažil som sa, #ale nepodarilo sa mi to.",
    "Prišiel, $keď sa zotmelo.", // the first clause has no mark: it must stay without underline
    "#Áno,,.",                   // a clause "," of its own can be marked, a "." cannot
    "#Neviem, $kde som nechal kľúč.",
    "#Povedal, $že príde.",
    "$Kto sa smeje, #ten sa smeje.",
    "#Ideme von, $lebo je pekne.",
};

// Every line begins with a mark, so its first clause is in slot 2.
const std::vector<std::string> k11 = {
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

struct ClauseExercises : ScreenOnFakes {
    // The row whose clause in slot `slot` (0-based) begins with `start`.
    int row(const framework::ExerciseScreen& s, const std::string& start, std::size_t slot = 0) {
        for (int r = 1; r <= 10; ++r)
            if (s.sentenceOfRow(r)[slot].text.starts_with(start)) return r;
        ADD_FAILURE() << start;
        return 1;
    }
    void mark(framework::WordMarking& c, int r, int k, const char* tool) {
        bot->click(tool);
        bot->click(c.rows().label(r, k));
    }
    // Underlines every clause of row r as its code says (only clauses of code `only`, unless 0).
    void underlineKey(framework::WordMarking& c, const framework::ExerciseScreen& s, int r,
                      std::int32_t only) {
        for (int k = 1; k <= 7; ++k) {
            const std::int32_t code = s.sentenceOfRow(r)[std::size_t(k - 1)].code;
            if (code == 0 || (only != 0 && code != only)) continue;
            mark(c, r, k, only != 0 || code != kMainClause ? "IVedlejsi" : "IHlavni");
        }
    }
    void choose(ex11::TMainForm11& s, int r, const std::string& shortName) {
        bot->click(s.choosers().chooser(r));
        for (std::size_t i = 0; i < ex11::kindTable().size(); ++i)
            if (ex11::kindTable()[i].shortName == shortName) bot->click(s.choosers().list().item(int(i)));
    }
};

// The tools themselves are those of every marking screen (exercise 01's test); here the clause
// colours and a clause "," of its own, which can be marked while a "." cannot.
TEST_F(ClauseExercises, Exercise10ClausesTakeTheirColoursAndALoneCommaIsAClause) {
    auto& s = open<ex10::TMainForm10>("10", k10);
    framework::WordMarking& c = s.clauses();
    const int r = row(s, "Babka");
    mark(c, r, 1, "IHlavni");
    EXPECT_EQ(c.rows().bar(r, 1).color(), framework::kMainClauseColour);
    mark(c, r, 2, "IVedlejsi");
    EXPECT_EQ(c.mark(r, 2), kSubordinateClause);
    EXPECT_EQ(c.rows().bar(r, 2).color(), framework::kSubordinateClauseColour);

    const int lone = row(s, "Áno");
    mark(c, lone, 2, "IHlavni");
    mark(c, lone, 3, "IHlavni");
    EXPECT_EQ(c.mark(lone, 2), kMainClause) << c.rows().label(lone, 2).text();
    EXPECT_EQ(c.mark(lone, 3), 0) << c.rows().label(lone, 3).text();
}

TEST_F(ClauseExercises, Exercise10EveryClauseMustCarryItsOwnMarkAndWrongRowsShowTheKey) {
    auto& s = open<ex10::TMainForm10>("10", k10);
    framework::WordMarking& c = s.clauses();
    for (const char* start : {"Keď", "Mačka", "Snažil", "Prišiel", "Neviem", "Povedal", "Áno", "Kto"})
        underlineKey(c, s, row(s, start), 0);
    // Wrong: a clause missing, an unmarked clause underlined, an underline erased, colours swapped.
    mark(c, row(s, "Babka"), 1, "IHlavni");
    mark(c, row(s, "Áno"), 2, "IHlavni");
    mark(c, row(s, "Kto"), 1, "ISmazat");
    mark(c, row(s, "Ideme"), 1, "IVedlejsi");
    mark(c, row(s, "Ideme"), 2, "IHlavni");
    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), 6);
    EXPECT_EQ(s.flow().wrong(), 4);

    const int r = row(s, "Babka");
    bot->click(c.rows().label(r, 2));
    EXPECT_EQ(c.mark(r, 2), 0) << "a checked page ignores the tools";
    press(s.evaluationImage(r));
    auto& window = bot->find<shell::THintForm3>("HintForm3");
    EXPECT_EQ(window.top(), 73 + 33 * r);
    for (const auto& [k, colour] :
         {std::pair{1, framework::kMainClauseColour}, std::pair{2, framework::kSubordinateClauseColour}}) {
        const ui::Label& clause = bot->find<ui::Label>("Odpoved" + std::to_string(k));
        EXPECT_EQ(clause.text(), s.sentenceOfRow(r)[std::size_t(k - 1)].text);
        EXPECT_EQ(window.IHint->picture().pixel(clause.left() + clause.width() / 2,
                                                clause.top() + clause.height() - 1),
                  colour);
    }
    release(s.evaluationImage(r));
}

TEST_F(ClauseExercises, Exercise11CommaAndClosingMarkSlotsStickTakeNoUnderlineAndTheListOpensRightAligned) {
    auto& s = open<ex11::TMainForm11>("11", k11);
    framework::WordRows& rows = s.clauses().rows();
    const int r = row(s, "Viem", 1);
    for (int k : {3, 5}) {
        EXPECT_EQ(rows.label(r, k).left(), rows.label(r, k - 1).left() + rows.label(r, k - 1).width())
            << rows.label(r, k).text();
        mark(s.clauses(), r, k, "IVedlejsi");
        EXPECT_EQ(s.clauses().mark(r, k), 0);
    }
    // 499 + 154 passes the form's width; under the chooser for rows 1 to 8, above it for 9 and 10.
    framework::ChooserRows& c = s.choosers();
    for (int q : {8, 9}) {
        bot->click(c.chooser(q));
        EXPECT_EQ(c.list().bounds(), (ui::Rect{439, q == 8 ? 33 * q + 80 : 33 * q + 64 - 132, 154, 132}));
        bot->click(ui::Point{20, 460});
    }
    bot->click(c.chooser(2));
    bot->click(rows.label(r, 2));
    EXPECT_FALSE(c.list().visible()) << "a clause click closes the list";
}

TEST_F(ClauseExercises, Exercise11BothTheUnderlinesAndTheKindMustBeRight) {
    auto& s = open<ex11::TMainForm11>("11", k11);
    for (const char* start : {"Polož", "Viem", "Kniha", "Bol", "Keď", "Vrátil", "Videl", "Kto"})
        underlineKey(s.clauses(), s, row(s, start, 1), ex11::kSubordinate);
    choose(s, row(s, "Polož", 1), "Prísl. miestna");
    choose(s, row(s, "Viem", 1), "Predmetová");
    choose(s, row(s, "Kniha", 1), "Prívlastková");
    choose(s, row(s, "Bol", 1), "Podmetová");
    choose(s, row(s, "Bol", 1), "Prísudková"); // a choice can be changed until the check
    // Wrong: the kind missing, an underline missing, an extra one, the key in other case.
    choose(s, row(s, "Zostali", 1), "Prísl. príčinná");
    mark(s.clauses(), row(s, "Kto", 1), 4, "IVedlejsi");
    choose(s, row(s, "Kto", 1), "Podmetová");
    choose(s, row(s, "Vrátil", 1), "Prísl. časová");
    choose(s, row(s, "Videl", 1), "Prísl. spôsob.");
    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), 4);
    EXPECT_EQ(s.flow().wrong(), 6);

    // Under a wrong row: a blue line under the subordinate clause, at the foot of the first clause
    // label even when that slot is empty, and the kind of the key compared exactly.
    for (const auto& [start, kind] :
         {std::pair{"Keď", "Druh vedľajšej vety: príslovková časová"},
          std::pair{"Videl", "Druh vedľajšej věty: doplnková"}, std::pair{"Vrátil", ""}}) {
        const int r = row(s, start, 1);
        press(s.evaluationImage(r));
        auto& window = bot->find<shell::THintForm>("HintForm");
        EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(), kind);
        const ui::Label& first = bot->find<ui::Label>("Odpoved1");
        for (int k = 2; k <= 4; k += 2) {
            const ui::Label& clause = bot->find<ui::Label>("Odpoved" + std::to_string(k));
            const ui::Color pixel = window.IHint->picture().pixel(clause.left() + clause.width() / 2,
                                                                  first.top() + first.height() - 1);
            EXPECT_EQ(pixel == framework::kSubordinateClauseColour,
                      s.sentenceOfRow(r)[std::size_t(k - 1)].code == ex11::kSubordinate)
                << start << " " << k;
        }
        release(s.evaluationImage(r));
        app.processMessages();
    }
}

} // namespace
