// Exercise 08b on its screen: commas and the kind chooser in one row, judged together, and the
// two-line correct answer.
#include "ExerciseFixture.h"

#include "exercises/08b/Main08b.h"
#include "exercises/08b/Sentences08b.h"
#include "framework/Tooltips.h"
#include "shell/Hint.h"

namespace {

using ex08b::TMainForm08b;

// Ten sentences for a run of ten, so that all are on the page; each begins with its own word.
const std::vector<std::string> kSentences = {
    "Au, pichla ma osa.#citoslovce",
    "Peter, poď sem!#osloveni",
    "Mama, otec a brat išli von.#nekolikanasobny",
    "Tento dom, ten postavil môj dedo.#samostatny",
    "Ten film, žiaľ, nebol dobrý.#vsuvka",
    "Fuj, tá polievka je studená.#citoslovce",
    "Hurá, ideme na výlet!#citoslovce",
    "Janko, počkaj na mňa.#osloveni",
    "Jablká, hrušky a slivky dozreli.#nekolikanasobny",
    "Ach, to je krásne.#citoslovce",
};

struct Exercise08bTest : ExerciseTest {
    TMainForm08b& s() { return bot->find<TMainForm08b>("MainForm08b"); }
    void SetUp() override {
        openExerciseSetup("08b", registerScreen08b, 3, 3, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    // The row whose first word is `word`.
    int row(const std::string& word) { return rowStarting(s(), word + " "); }
    void commas(int r, std::initializer_list<int> slots) {
        for (int k : slots)
            bot->click(s().rows().label(r, k));
    }
    void choose(int r, const std::string& code) {
        bot->click(s().choosers().chooser(r));
        for (std::size_t i = 0; i < ex08b::kindTable().size(); ++i)
            if (ex08b::kindTable()[i].code == code) bot->click(s().choosers().list().item(int(i)));
    }
};

TEST_F(Exercise08bTest, ARowIsRightOnlyWithTheRightKindAndEveryCommaInPlace) {
    commas(row("Au"), {1});
    choose(row("Au"), "citoslovce");        // right
    commas(row("Peter"), {1});              // chooser left at the prompt
    choose(row("Mama"), "nekolikanasobny"); // its comma missing
    choose(row("Tento"), "samostatny");
    commas(row("Tento"), {2, 4}); // one comma too many
    commas(row("Janko"), {1});
    choose(row("Janko"), "citoslovce"); // the wrong kind
    commas(row("Jablká"), {1});
    choose(row("Jablká"), "nekolikanasobny"); // right
    // A sentence set apart by "vsuvka" offers no item for it: always wrong.
    commas(row("Ten"), {2, 3});
    for (std::size_t i = 0; i < ex08b::kindTable().size(); ++i)
        EXPECT_NE(ex08b::kindTable()[i].code, "vsuvka");
    choose(row("Ten"), "samostatny");
    EXPECT_EQ(s().choosers().chooser(row("Ten")).text(), "Vyt. vetný člen");

    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 2);
    for (const char* right : {"Au", "Jablká"})
        EXPECT_FALSE(s().evaluationImage(row(right)).clickable) << right;
    for (const char* wrong : {"Peter", "Mama", "Tento", "Janko", "Ten", "Fuj", "Hurá", "Ach"})
        EXPECT_TRUE(s().evaluationImage(row(wrong)).clickable) << wrong;

    // Frozen: words, the eraser and the chooser no longer react.
    const int r = row("Fuj");
    commas(r, {1});
    bot->click(s().rows().eraser(row("Tento")));
    bot->click(s().choosers().chooser(r));
    EXPECT_FALSE(s().rows().label(r, 1).commaPlaced);
    EXPECT_EQ(s().rows().commas(row("Tento")), 2);
    EXPECT_FALSE(s().choosers().list().visible());

    // The correct answer: the sentence with its commas, and what they set apart.
    const int v = row("Ten");
    press(s().evaluationImage(v));
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(window.bounds().left, 8);
    EXPECT_EQ(window.top(), v == 10 ? 422 : 70 + 36 * v); // the last row's window opens 8 pixels higher
    EXPECT_EQ(bot->find<ui::Label>("Odpoved1").text(), "Ten film, žiaľ, nebol dobrý. ");
    EXPECT_EQ(bot->find<ui::Label>("Odpoved2").text(), "Čiarka oddeluje: vsuvka");
    release(s().evaluationImage(v));
}

TEST_F(Exercise08bTest, WordsAndTheListShareARowAndTheLastRowOpensHigher) {
    framework::CommaRows& rows = s().rows();
    framework::ChooserRows& c = s().choosers();
    const int r = row("Mama");
    EXPECT_EQ(rows.eraser(r).hint(), framework::kEraserHint08b);
    bot->doubleClick(ui::Automation::center(rows.label(r, 1)));
    EXPECT_EQ(rows.label(r, 1).text(), "Mama,") << "a double click places one comma";
    EXPECT_EQ(rows.commas(r), 1);

    // The list opens left-aligned under the chooser, above it in the last row; a press on a word
    // closes it (and still places the comma).
    for (int at : {9, 10}) {
        bot->click(c.chooser(at));
        ASSERT_TRUE(c.list().visible());
        EXPECT_EQ(c.list().left(), c.chooser(at).left());
        EXPECT_EQ(c.list().top(), at == 10 ? c.chooser(at).top() - 68 : c.chooser(at).top() + 16);
        commas(at, {1});
        EXPECT_FALSE(c.list().visible());
        EXPECT_TRUE(rows.label(at, 1).commaPlaced);
    }

    // The last row's correct answer opens higher, so that it stays on the screen.
    bot->click("IKontr");
    press(s().evaluationImage(10));
    EXPECT_EQ(bot->find<shell::THintForm>("HintForm").top(), 422);
    release(s().evaluationImage(10));
}

} // namespace
