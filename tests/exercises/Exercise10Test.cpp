// Exercise 10 on its screen: clauses underlined with the main, subordinate and erase tools, the
// check of every clause of a row, and the correct answer in the low bubble.
#include "ExerciseFixture.h"

#include "exercises/10/Main10.h"
#include "shell/Hint3.h"

namespace {

using framework::kMainClause;
using framework::kSubordinateClause;

// Ten sentences for a run of ten, so that all are on the page.
const std::vector<std::string> kSentences = {
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

struct Exercise10Test : ExerciseTest {
    ex10::TMainForm10& s() { return bot->find<ex10::TMainForm10>("MainForm10"); }
    framework::WordMarking& c() { return s().clauses(); }
    void SetUp() override {
        openExerciseSetup("10", registerScreen10, 4, 2, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    // The row whose first clause begins with `start`.
    int row(const std::string& start) {
        for (int r = 1; r <= 10; ++r)
            if (s().sentenceOfRow(r)[0].text.starts_with(start)) return r;
        ADD_FAILURE() << start;
        return 1;
    }
    void mark(int r, int k, const char* tool) {
        bot->click(tool);
        bot->click(c().rows().label(r, k));
    }
    // Underlines every clause of row r as its code says.
    void answer(int r) {
        for (int k = 1; k <= 7; ++k) {
            const std::int32_t code = s().sentenceOfRow(r)[std::size_t(k - 1)].code;
            if (code != 0) mark(r, k, code == kMainClause ? "IHlavni" : "IVedlejsi");
        }
    }
};

TEST_F(Exercise10Test, AMarkChangesOnlyAfterTheEraser) {
    const int r = row("Babka");
    bot->click(c().rows().label(r, 1));
    EXPECT_EQ(c().mark(r, 1), 0) << "no tool, no mark";
    mark(r, 1, "IHlavni");
    EXPECT_EQ(c().rows().bar(r, 1).color(), framework::kMainClauseColour);
    // The subordinate tool leaves a main clause alone, silently; the eraser always sounds.
    bot->click("IVedlejsi");
    const int clicks = countSounds("\\Sound\\Click.wav");
    bot->click(c().rows().label(r, 1));
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks);
    EXPECT_EQ(c().mark(r, 1), kMainClause);
    mark(r, 2, "ISmazat");
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks + 2);
    bot->click(c().rows().label(r, 1));
    EXPECT_FALSE(c().rows().bar(r, 1).visible());
    mark(r, 1, "IVedlejsi");
    EXPECT_EQ(c().mark(r, 1), kSubordinateClause);

    const int lone = row("Áno");
    mark(lone, 2, "IHlavni");
    mark(lone, 3, "IHlavni");
    EXPECT_EQ(c().mark(lone, 2), kMainClause) << c().rows().label(lone, 2).text();
    EXPECT_EQ(c().mark(lone, 3), 0) << c().rows().label(lone, 3).text();
}

TEST_F(Exercise10Test, EveryClauseMustCarryItsOwnMarkAndWrongRowsShowTheKey) {
    for (const char* start : {"Keď", "Mačka", "Snažil", "Prišiel", "Neviem", "Povedal", "Áno", "Kto"})
        answer(row(start));
    // Wrong: a clause missing, an unmarked clause underlined, an underline erased, colours swapped.
    mark(row("Babka"), 1, "IHlavni");
    mark(row("Áno"), 2, "IHlavni");
    mark(row("Kto"), 1, "ISmazat");
    mark(row("Ideme"), 1, "IVedlejsi");
    mark(row("Ideme"), 2, "IHlavni");
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 6);
    EXPECT_EQ(s().flow().wrong(), 4);

    const int r = row("Babka");
    bot->click(c().rows().label(r, 2));
    EXPECT_EQ(c().mark(r, 2), 0) << "a checked page ignores the tools";
    press(s().evaluationImage(r));
    auto& window = bot->find<shell::THintForm3>("HintForm3");
    EXPECT_EQ(window.top(), 73 + 33 * r);
    for (const auto& [k, colour] :
         {std::pair{1, framework::kMainClauseColour}, std::pair{2, framework::kSubordinateClauseColour}}) {
        const ui::Label& clause = bot->find<ui::Label>("Odpoved" + std::to_string(k));
        EXPECT_EQ(clause.text(), s().sentenceOfRow(r)[std::size_t(k - 1)].text);
        EXPECT_EQ(window.IHint->picture().pixel(clause.left() + clause.width() / 2,
                                                clause.top() + clause.height() - 1),
                  colour);
    }
    release(s().evaluationImage(r));
}

} // namespace
