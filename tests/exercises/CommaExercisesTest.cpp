// The comma screens: exercise 06b (commas placed word by word and erased by row, rows that wrap
// onto a second line, the two-line correct answer), 08b (commas and the kind chooser in one row,
// judged together) and 14 (the word-by-word check, the fitted rows, the one-line correct answer
// with its marks, the chime at the end of a run).
#include "ExerciseFixture.h"

#include "exercises/06b/Main06b.h"
#include "exercises/06b/Sentences06b.h"
#include "exercises/08b/Main08b.h"
#include "exercises/08b/Sentences08b.h"
#include "exercises/14/Main14.h"
#include "exercises/14/Sentences14.h"
#include "framework/MarkedText.h"
#include "framework/RowLayout.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"
#include "platform/paths.h"
#include "results/Table1.h"
#include "shell/Hint.h"
#include "shell/Hint3.h"
#include "shell/SoundSwitch.h"

namespace {

using ex06b::TMainForm06b;
using ex08b::TMainForm08b;
using ex14::TMainForm14;

const char* const kPeter = "Peter, môj brat, prišiel domov.";
const char* const kLong = "Náš nový spolužiak, výborný futbalista a vynikajúci plavec z neďalekej dediny pri "
                          "rieke, prišiel do školy so svojím starším bratom a s mladšou sestrou.";

// Ten sentences for a run of ten, so that all are on the page; each begins with its own word.
const std::vector<std::string> k08b = {
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

// The same for exercise 14.
const std::vector<std::string> k14 = {
    "Strýko sľúbil, že nás naučí plávať.",
    "Keď sa oteplí, pôjdeme sa kúpať.",
    "Chlapec, ktorý býva oproti nám, chodí do hudobnej školy.",
    "Prší a fúka vietor.", // no comma at all
    "Mama varila, otec čítal.",
    "Vieme, kto to urobil.",
    "Ak budeš chcieť, pomôžem ti.",
    "Pes šteká, lebo sa bojí.",
    "Neviem, či príde.",
    "Najneuveriteľnejšie dobrodružstvá nezabudnuteľných cestovateľov, ktoré nám rozprávali, "
    "nás ohromili.", // too wide at 12 points
};

// A comma screen opened from the menu for a run of ten.
template <class Screen, const char* Key> struct CommaScreenTest : ExerciseTest {
    Screen& s() { return bot->find<Screen>(std::string("MainForm") + Key); }
    // The row whose first word is `word`.
    int row(const std::string& word) { return rowStarting(s(), word + " "); }
    // Presses the words of row r in slots `slots`.
    void commas(int r, std::initializer_list<int> slots) {
        for (int k : slots)
            bot->click(s().rows().label(r, k));
    }
};

constexpr char k06bKey[] = "06b", k08bKey[] = "08b", k14Key[] = "14";

int measure(const std::string& text) {
    return framework::measureFormText(text, ex06b::kPoints, false);
}

using Exercise06bTest = CommaScreenTest<TMainForm06b, k06bKey>;

struct Exercise08bTest : CommaScreenTest<TMainForm08b, k08bKey> {
    void SetUp() override { startExercise<TMainForm08b>(k08bKey, registerScreen08b, k08b); }
    void choose(int r, const std::string& code) {
        bot->click(s().choosers().chooser(r));
        for (std::size_t i = 0; i < ex08b::kindTable().size(); ++i)
            if (ex08b::kindTable()[i].code == code) bot->click(s().choosers().list().item(int(i)));
    }
};

struct Exercise14Test : CommaScreenTest<TMainForm14, k14Key> {
    void SetUp() override { startExercise<TMainForm14>(k14Key, registerScreen14, k14); }
};

TEST_F(Exercise06bTest, AWordTakesOneCommaAndTheEraserTakesTheRowsCommas) {
    framework::CommaRows& rows =
        startExercise<TMainForm06b>(k06bKey, registerScreen06b, std::vector<std::string>(10, kPeter)).rows();
    framework::TGumaImage& eraser = rows.eraser(3);
    const framework::CommaLabel& peter = rows.label(3, 1);
    EXPECT_EQ(peter.width(), peter.textWidth() + 6);
    EXPECT_EQ(rows.label(3, 2).left(), peter.left() + peter.width()) << "words touch";

    // Hovering an eraser shows it with its tooltip even without commas, until the mouse leaves.
    bot->hover(eraser);
    EXPECT_TRUE(eraser.hasPicture() && eraser.showHint());
    EXPECT_EQ(eraser.hint(), framework::kEraserHint);
    bot->moveTo({300, 20});
    EXPECT_FALSE(eraser.hasPicture());

    bot->click(peter);
    bot->click(peter);
    EXPECT_EQ(peter.text(), "Peter,") << "a second press adds no second comma";
    EXPECT_EQ(rows.commas(3), 1);
    EXPECT_TRUE(eraser.hasPicture());
    bot->click(rows.label(3, 3));
    bot->click(eraser);
    EXPECT_EQ(peter.text() + rows.label(3, 3).text(), "Peterbrat");
    EXPECT_FALSE(peter.commaPlaced);
    EXPECT_EQ(rows.commas(3), 0);
    bot->moveTo({300, 20});
    EXPECT_FALSE(eraser.hasPicture());
    bot->click(rows.label(3, 2));
    EXPECT_TRUE(eraser.hasPicture()) << "the first comma after erasing shows the eraser again";
}

TEST_F(Exercise06bTest, TheCheckWantsEveryCommaAndNoOtherAndShowsTheAnswerBelowTheRow) {
    // Row 1 right, row 2 right but for a comma after its last word, rows 3 to 5 untouched.
    TMainForm06b& s =
        startExercise<TMainForm06b>(k06bKey, registerScreen06b, std::vector<std::string>(10, kPeter));
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_FALSE(bot->exists("IPanel"));
    framework::CommaRows& rows = s.rows();
    for (int r : {1, 2}) {
        bot->click(rows.label(r, 1));
        bot->click(rows.label(r, 3));
    }
    bot->click(rows.label(2, 5));
    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), 1);
    EXPECT_TRUE(s.evaluationImage(2).clickable);
    EXPECT_FALSE(s.evaluationImage(1).clickable);

    press(s.evaluationImage(2));
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(window.bounds().left, 8);
    EXPECT_EQ(window.top(), 42 + 73 * 2);
    EXPECT_EQ(bot->find<ui::Label>("Odpoved1").text(), "Peter, môj brat, prišiel domov. ");
    EXPECT_EQ(bot->find<ui::Label>("Odpoved2").text(), "");
    release(s.evaluationImage(2));
}

TEST_F(Exercise06bTest, ALongSentenceWrapsOnTheRowAndInTheCorrectAnswer) {
    TMainForm06b& s =
        startExercise<TMainForm06b>(k06bKey, registerScreen06b, std::vector<std::string>(10, kLong));
    framework::CommaRows& rows = s.rows();
    // The first line ends at the last word that keeps the words so far, joined, under 490 pixels.
    std::string joined;
    int k = 1;
    for (; rows.label(4, k).top() == 73 * 4 + 22; ++k)
        joined += rows.label(4, k).text();
    const framework::CommaLabel& next = rows.label(4, k);
    EXPECT_LT(measure(joined), ex06b::kLineLimit);
    EXPECT_GE(measure(joined + next.text()), ex06b::kLineLimit);
    EXPECT_EQ(next.top(), 73 * 4 + 42);
    EXPECT_EQ(next.left(), 18);
    EXPECT_EQ(rows.label(4, k + 1).left(), next.left() + next.width());

    // The answer's first line takes the words while it stays at most 570 pixels wide.
    bot->click("IKontr");
    press(s.evaluationImage(4));
    const std::string first = bot->find<ui::Label>("Odpoved1").text();
    const std::string second = bot->find<ui::Label>("Odpoved2").text();
    EXPECT_TRUE(first.starts_with("Náš nový spolužiak, výborný ")) << first;
    EXPECT_LE(measure(first), 570);
    EXPECT_GT(measure(first + second.substr(0, second.find(' ') + 1)), 570);
    EXPECT_TRUE(second.ends_with("sestrou. ")) << second;
    release(s.evaluationImage(4));
}

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

TEST_F(Exercise14Test, TheCheckWantsEveryCommaAndNoOtherAndThenFreezesTheRows) {
    framework::CommaRows& rows = s().rows();
    EXPECT_EQ(rows.eraser(1).hint(), framework::kEraserHint14);
    EXPECT_EQ(rows.label(row("Strýko"), 2).text(), "sľúbil") << "the file's comma is not shown";
    commas(row("Strýko"), {2, 2});          // right
    commas(row("Chlapec"), {1});            // one comma missing
    commas(row("Mama"), {2, 4});            // a comma after the closing word
    commas(row("Vieme"), {1, 3});           // one too many
    commas(row("Ak"), {3});                 // right
    commas(row("Neviem"), {1});             // right
    bot->click(rows.label(row("Prší"), 1)); // a sentence without commas takes none
    bot->click("IKontr");
    for (const char* right : {"Strýko", "Ak", "Neviem"})
        EXPECT_FALSE(s().evaluationImage(row(right)).clickable) << right;
    for (const char* wrong : {"Keď", "Chlapec", "Mama", "Vieme", "Pes", "Prší", "Najneuveriteľnejšie"})
        EXPECT_TRUE(s().evaluationImage(row(wrong)).clickable) << wrong;
    EXPECT_EQ(s().flow().right(), 3);

    // Frozen: presses and the eraser do nothing.
    const int r = row("Keď");
    bot->click(rows.label(r, 3));
    EXPECT_FALSE(rows.label(r, 3).commaPlaced);
    bot->click(rows.eraser(row("Mama")));
    EXPECT_EQ(rows.commas(row("Mama")), 2);
}

TEST_F(Exercise14Test, LongSentencesShrinkOnTheRowAndInTheCorrectAnswer) {
    framework::CommaRows& rows = s().rows();
    const int r = row("Najneuveriteľnejšie");
    const int size = rows.label(r, 1).fontSize();
    const std::vector<std::string> texts = framework::slotTexts(s().sentenceOfRow(r), ex14::kSlots);
    EXPECT_EQ(size, framework::fitFontSize(texts, ex14::kRowLimit, framework::measureFormText));
    EXPECT_LT(size, 12);
    EXPECT_EQ(rows.label(r, 1).top(), framework::topForSize(36 * r + 59, size));
    EXPECT_EQ(rows.label(row("Mama"), 1).top(), 36 * row("Mama") + 59);

    bot->click("IKontr");
    press(s().evaluationImage(r));
    auto& window = bot->find<shell::THintForm3>("HintForm3");
    EXPECT_EQ(window.bounds().left, 8);
    EXPECT_EQ(window.top(), 70 + 36 * r);
    const auto& answer = bot->find<ui::Label>("Odpoved");
    EXPECT_EQ(answer.text(), "Najneuveriteľnejšie dobrodružstvá nezabudnuteľných cestovateľov, ktoré nám "
                             "rozprávali, nás ohromili. ");
    EXPECT_EQ(answer.fontSize(),
              framework::fitFontSize(texts, ex14::kAnswerLimit, framework::measureFormText));
    release(s().evaluationImage(r));
    EXPECT_FALSE(bot->exists("HintForm3"));
}

// A placed comma keeps the gap before the next word: the rest of the line moves right by the
// comma's width, and the eraser puts every word back where it stood.
TEST_F(Exercise14Test, APlacedCommaLeavesAGapBeforeTheNextWord) {
    framework::CommaRows& rows = s().rows();
    const int r = row("Chlapec"); // "Chlapec ktorý býva oproti nám chodí do hudobnej školy."
    std::vector<int> before;
    for (int k = 1; k <= 9; ++k)
        before.push_back(rows.label(r, k).left());
    const int size = rows.label(r, 1).fontSize();
    const int comma = framework::measureFormText(",", size, false);
    ASSERT_GT(comma, 0);

    commas(r, {1, 5});
    for (int k : {1, 5}) {
        SCOPED_TRACE(k);
        const framework::CommaLabel& word = rows.label(r, k);
        const int textEnd = word.left() + framework::measureFormText(word.text(), size, false);
        // (within a pixel: the comma's width alone and after its word may differ by the rounding)
        EXPECT_NEAR(rows.label(r, k + 1).left() - textEnd, rows.geometry().commaRoom, 1)
            << "the comma takes its width, the room stays a gap";
    }
    for (int k = 1; k <= 9; ++k) {
        SCOPED_TRACE(k);
        const int moved = (k > 1 ? comma : 0) + (k > 5 ? comma : 0);
        EXPECT_EQ(rows.label(r, k).left(), before[std::size_t(k - 1)] + moved);
    }

    bot->click(rows.eraser(r));
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(rows.label(r, k).left(), before[std::size_t(k - 1)]) << k;
}

// The correct answer marks what went wrong with the commas: the one the pupil left out in green on a
// pale green spot, the one put where none belongs as a red comma struck through.
TEST_F(Exercise14Test, TheCorrectAnswerMarksMissedAndMisplacedCommas) {
    using framework::AnswerMark;
    const int vieme = row("Vieme"), chlapec = row("Chlapec");
    commas(vieme, {1, 3}); // "Vieme," is right, "to," does not belong
    commas(chlapec, {1});  // the comma after "nám" is missing
    bot->click("IKontr");
    struct Case {
        int r;
        std::string text;
        std::vector<framework::TextMark> marks;
        ui::Color colour;
    };
    const Case cases[] = {
        {vieme,
         "Vieme, kto to urobil. ",
         {{std::string("Vieme, kto to").size(), 0, AnswerMark::WrongComma}},
         framework::kMistakeColour},
        {chlapec,
         "Chlapec, ktorý býva oproti nám, chodí do hudobnej školy. ",
         {{std::string("Chlapec, ktorý býva oproti nám").size(), 1, AnswerMark::MissedComma}},
         framework::kBelongsColour},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        press(s().evaluationImage(c.r));
        const auto& answer = bot->find<framework::AnswerLine>("Odpoved");
        EXPECT_EQ(answer.text(), c.text);
        EXPECT_EQ(answer.marks(), c.marks);
        app().paintNow();
        EXPECT_GT(countCanvasPixels(answer.canvasRect(), c.colour), 0) << "the mark is drawn in its colour";
        release(s().evaluationImage(c.r));
    }
}

// The end of a run has its own chime as the results come up, through the sound switch.
TEST_F(Exercise14Test, TheEndOfARunChimesOnce) {
    bot->click("IKontr");
    EXPECT_EQ(countSounds("\\Sound\\Finish.wav"), 0) << "not at the check";
    bot->click("IPokracuj");
    ASSERT_TRUE(forms().table.visible());
    EXPECT_EQ(countSounds("\\Sound\\Finish.wav"), 1);
    EXPECT_EQ(bot->sounds().back(), platform::joinPath(cd, "\\Sound\\Finish.wav"));
}

TEST_F(Exercise14Test, WithSoundsOffTheEndOfARunIsSilent) {
    program->soundSwitch()->setOn(false);
    sound.played.clear();
    bot->click("IKontr");
    bot->click("IPokracuj");
    ASSERT_TRUE(forms().table.visible());
    EXPECT_TRUE(sound.played.empty()) << sound.played.size() << " sounds while off";
}

} // namespace
