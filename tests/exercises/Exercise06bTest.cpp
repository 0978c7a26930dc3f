// Exercise 06b on its screen: commas placed word by word and erased by row, the check, rows that
// wrap onto a second line, and the two-line correct answer.
#include "ExerciseFixture.h"

#include "exercises/06b/Main06b.h"
#include "exercises/06b/Sentences06b.h"
#include "framework/Tooltips.h"
#include "framework/WordRows.h"
#include "shell/Hint.h"

namespace {

using ex06b::TMainForm06b;

const char* const kPeter = "Peter, môj brat, prišiel domov.";
const char* const kLong = "Náš nový spolužiak, výborný futbalista a vynikajúci plavec z neďalekej dediny pri "
                          "rieke, prišiel do školy so svojím starším bratom a s mladšou sestrou.";

int measure(const std::string& text) {
    return framework::measureFormText(text, ex06b::kPoints, false);
}

struct Exercise06bTest : ExerciseTest {
    TMainForm06b& startRun(const std::vector<std::string>& lines) {
        openExerciseSetup("06b", registerScreen06b, 2, 3, lines, "Eva", "I10");
        bot->click("IPokracuj");
        return bot->find<TMainForm06b>("MainForm06b");
    }
};

TEST_F(Exercise06bTest, AWordTakesOneCommaAndTheEraserTakesTheRowsCommas) {
    framework::CommaRows& rows = startRun(std::vector<std::string>(10, kPeter)).rows();
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
    TMainForm06b& s = startRun(std::vector<std::string>(10, kPeter));
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
    TMainForm06b& s = startRun(std::vector<std::string>(10, kLong));
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

} // namespace
