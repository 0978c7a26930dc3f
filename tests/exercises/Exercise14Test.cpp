// Exercise 14 on its screen: the word-by-word check of the commas, the fitted rows and the one-line
// correct answer.
#include "ExerciseFixture.h"

#include "framework/MarkedText.h"

#include "exercises/14/Main14.h"
#include "exercises/14/Sentences14.h"
#include "framework/RowLayout.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"
#include "platform/paths.h"
#include "results/Table1.h"
#include "shell/Hint3.h"
#include "shell/SoundSwitch.h"

namespace {

using ex14::TMainForm14;

// Ten sentences for a run of ten, so that all are on the page; each begins with its own word.
const std::vector<std::string> kSentences = {
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

struct Exercise14Test : ExerciseTest {
    TMainForm14& s() { return bot->find<TMainForm14>("MainForm14"); }
    void SetUp() override {
        openExerciseSetup("14", registerScreen14, 5, 2, kSentences, "Eva", "I10");
        bot->click("IPokracuj");
    }
    // The row whose first word is `word`.
    int row(const std::string& word) { return rowStarting(s(), word + " "); }
    // Presses the words of row r in slots `slots`.
    void commas(int r, std::initializer_list<int> slots) {
        for (int k : slots)
            bot->click(s().rows().label(r, k));
    }
};

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

} // namespace

namespace {

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

} // namespace

namespace {

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
