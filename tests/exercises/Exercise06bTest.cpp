// Exercise 06b on its screen: commas placed word by word and erased by row, the check, rows that
// wrap onto a second line, and the two-line correct answer.
#include "ExerciseFixture.h"

#include "exercises/06b/Main06b.h"
#include "exercises/06b/Sentences06b.h"
#include "framework/CommaRows.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"
#include "shell/Hint.h"

#include <ui/Label.h>

namespace {

using ex06b::TMainForm06b;

const char* const kLong = "Náš nový spolužiak, výborný futbalista a vynikajúci plavec z neďalekej dediny pri "
                          "rieke, prišiel do školy so svojím starším bratom a s mladšou sestrou.";

// Ten sentences, so that a run of ten shows them all on two pages.
const std::vector<std::string> kSentences = {
    "Peter, môj brat, prišiel domov.",
    "Včera prišiel domov neskoro.",
    kLong,
    "Bratislava, hlavné mesto Slovenska, leží na Dunaji.",
    "Jano, náš sused, opravuje auto.",
    "Tatry, naše veľhory, sú krásne.",
    "Dunaj, najdlhšia rieka, tečie cez mesto.",
    "Pani Nová, naša učiteľka, je prísna.",
    "Rex, náš pes, rád behá.",
    "Mama, vynikajúca kuchárka, uvarila obed.",
};

int measure(std::string_view text) {
    return framework::measureFormText(text, ex06b::kPoints, false);
}

TEST(CommaRowText, TheFirstLineStaysNarrowerThanTheLimitAndTheAnswerSplitsAfterIt) {
    const auto tenPerCharacter = [](std::string_view text) { return int(text.size()) * 10; };
    // Joined without spaces: 20, 40, 48, 49 characters; 490 pixels is already too wide.
    EXPECT_EQ(ex06b::firstLineLength({"aaaaaaaaaaaaaaaaaaaa", "bbbbbbbbbbbbbbbbbbbb", "cccccccc", "d"}, 490,
                                     tenPerCharacter),
              3);
    EXPECT_EQ(ex06b::firstLineLength({"aaaaaaaaaaaaaaaaaaaa", "", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbb"}, 490,
                                     tenPerCharacter),
              2);

    framework::Sentence s(30);
    s[0] = {"Peter", framework::kCommaAfter, {}, {}};
    s[1] = {"môj", 0, {}, {}};
    s[2] = {"brat", framework::kCommaAfter, {}, {}};
    s[4] = {"prišiel.", 0, {}, {}};
    const std::vector<std::string> pieces = framework::commaPieces(s);
    EXPECT_EQ(pieces, (std::vector<std::string>{"Peter, ", "môj ", "brat, ", "prišiel. "}));
    // Exactly 570 pixels stays on the first line; the word that passes it and all after it move.
    const auto [first, second] =
        framework::splitAtWidth({std::string(57, 'a'), "b", "cc"}, 570, tenPerCharacter);
    EXPECT_EQ(first, std::string(57, 'a'));
    EXPECT_EQ(second, "bcc");
    EXPECT_EQ(framework::splitAtWidth(pieces, 570, tenPerCharacter).second, "");
}

struct Exercise06bTest : ExerciseTest {
    TMainForm06b& startRun(const std::vector<std::string>& lines = kSentences) {
        openExerciseSetup("06b", registerScreen06b, 2, 3, lines, "Eva", "I10");
        bot->click("IPokracuj");
        return bot->find<TMainForm06b>("MainForm06b");
    }

    // Puts the commas of row r where the sentence has them.
    void placeRightCommas(TMainForm06b& s, int r) {
        const framework::Sentence& sentence = s.sentenceOfRow(r);
        for (int k = 1; k <= ex06b::kSlots; ++k)
            if (sentence[std::size_t(k - 1)].code == framework::kCommaAfter) bot->click(s.rows().label(r, k));
    }
};

TEST_F(Exercise06bTest, AWordTakesOneCommaAndTheEraserTakesTheRowsCommas) {
    TMainForm06b& s = startRun(std::vector<std::string>(10, kSentences[0]));
    const int r = 3;
    framework::CommaRows& rows = s.rows();
    framework::TGumaImage& eraser = rows.eraser(r);
    ASSERT_EQ(rows.label(r, 1).text(), "Peter");
    const int width = rows.label(r, 1).width();
    EXPECT_EQ(width, rows.label(r, 1).textWidth() + 6);
    EXPECT_EQ(rows.label(r, 2).left(), rows.label(r, 1).left() + width) << "words touch";

    // Hovering an eraser without commas shows it, with its tooltip, until the mouse leaves.
    bot->hover(eraser);
    EXPECT_TRUE(eraser.hasPicture());
    EXPECT_TRUE(eraser.showHint());
    EXPECT_EQ(eraser.hint(), framework::kEraserHint);
    bot->moveTo({300, 20});
    EXPECT_FALSE(eraser.hasPicture());

    bot->click(rows.label(r, 1));
    EXPECT_EQ(rows.label(r, 1).text(), "Peter,");
    EXPECT_EQ(rows.label(r, 1).width(), width) << "the comma goes into the room left for it";
    EXPECT_TRUE(eraser.hasPicture());
    const int clicks = countSounds("\\Sound\\Click.wav");
    bot->click(rows.label(r, 1));
    EXPECT_EQ(rows.label(r, 1).text(), "Peter,");
    EXPECT_EQ(rows.commas(r), 1);
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks);
    bot->click(rows.label(r, 3));
    EXPECT_EQ(rows.commas(r), 2);

    bot->click(eraser);
    EXPECT_EQ(rows.label(r, 1).text(), "Peter");
    EXPECT_EQ(rows.label(r, 3).text(), "brat");
    EXPECT_FALSE(rows.label(r, 1).commaPlaced);
    EXPECT_EQ(rows.commas(r), 0);
    EXPECT_TRUE(eraser.hasPicture()) << "the picture stays while the mouse is on the eraser";
    bot->moveTo({300, 20});
    EXPECT_FALSE(eraser.hasPicture());
    // The first comma after erasing shows the eraser again.
    bot->click(rows.label(r, 2));
    EXPECT_TRUE(eraser.hasPicture());
    EXPECT_EQ(rows.commas(r), 1);
}

TEST_F(Exercise06bTest, TheCheckWantsEveryCommaAndNoOtherAndThenFreezesTheRows) {
    TMainForm06b& s = startRun();
    ASSERT_EQ(s.flow().rowsOnPage(), 5);
    EXPECT_FALSE(bot->exists("IPanel"));
    framework::CommaRows& rows = s.rows();
    // Row 1 right, row 2 with an extra comma after its last word, the others untouched: a sentence
    // without commas is right untouched, every other one wrong.
    placeRightCommas(s, 1);
    placeRightCommas(s, 2);
    int last = ex06b::kSlots;
    while (s.sentenceOfRow(2)[std::size_t(last - 1)].text.empty())
        --last;
    bot->click(rows.label(2, last));
    int expectedRight = 1;
    for (int r = 3; r <= 5; ++r)
        expectedRight += s.sentenceOfRow(r)[0].text == "Včera" ? 1 : 0;
    bot->click("IKontr");
    EXPECT_EQ(s.flow().right(), expectedRight);
    EXPECT_EQ(s.flow().wrong(), 5 - expectedRight);
    EXPECT_TRUE(s.evaluationImage(2).clickable);

    // Frozen: presses and the eraser do nothing.
    bot->click(rows.label(3, 1));
    EXPECT_FALSE(rows.label(3, 1).commaPlaced);
    const int commas = rows.commas(2);
    ASSERT_GT(commas, 0);
    bot->click(rows.eraser(2));
    EXPECT_EQ(rows.commas(2), commas);
    EXPECT_TRUE(rows.label(2, last).commaPlaced);

    // The correct answer of row 2: the sentence with its commas, under the row.
    press(s.evaluationImage(2));
    ASSERT_TRUE(s.answerShown());
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_EQ(window.left(), 8);
    EXPECT_EQ(window.top(), 42 + 73 * 2);
    const auto pieces = framework::commaPieces(s.sentenceOfRow(2));
    std::string whole;
    for (const std::string& p : pieces)
        whole += p;
    EXPECT_EQ(bot->find<ui::Label>("Odpoved1").text() + bot->find<ui::Label>("Odpoved2").text(), whole);
    release(s.evaluationImage(2));
}

TEST_F(Exercise06bTest, ALongSentenceWrapsOnTheRowAndInTheCorrectAnswer) {
    TMainForm06b& s = startRun(std::vector<std::string>(10, kLong));
    framework::CommaRows& rows = s.rows();
    const framework::Sentence& sentence = s.sentenceOfRow(4);

    std::string joined;
    int k = 1;
    while (rows.label(4, k + 1).top() == 73 * 4 + 22) {
        joined += sentence[std::size_t(k - 1)].text;
        ++k;
    }
    joined += sentence[std::size_t(k - 1)].text;
    const framework::CommaLabel& next = rows.label(4, k + 1);
    EXPECT_LT(measure(joined), ex06b::kLineLimit);
    EXPECT_GE(measure(joined + next.text()), ex06b::kLineLimit);
    EXPECT_EQ(next.top(), 73 * 4 + 42);
    EXPECT_EQ(next.left(), 18);
    EXPECT_EQ(rows.label(4, k + 2).left(), next.left() + next.width());

    bot->click("IKontr");
    press(s.evaluationImage(4));
    const std::string first = bot->find<ui::Label>("Odpoved1").text();
    const std::string second = bot->find<ui::Label>("Odpoved2").text();
    ASSERT_FALSE(second.empty());
    EXPECT_LE(measure(first), 570);
    EXPECT_GT(measure(first + second.substr(0, second.find(' ') + 1)), 570);
    EXPECT_TRUE(first.starts_with("Náš nový spolužiak, výborný ")) << first;
    release(s.evaluationImage(4));
}

} // namespace
