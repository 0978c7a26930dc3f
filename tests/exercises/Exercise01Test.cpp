// Exercise 01 on its screen: marking, the answer field, the check, the correct answer, and the
// toolbar's states.
#include "Exercise01Fixture.h"

#include "exercises/01/Sentences01.h"
#include "framework/WordMarks.h"
#include "platform/paths.h"
#include "results/Table1.h"
#include "shell/Hint.h"
#include "shell/Setup.h"

#include <controls/GRAlignEdit.h>
#include <ui/Label.h>

#include <filesystem>

namespace {

using ex01::TMainForm01;

// The slot (1-based) of the first word of row r with `code`, or of text `text`.
int slotWith(const TMainForm01& s, int r, std::int32_t code, const std::string& text = {}) {
    const framework::Sentence& sentence = s.sentenceOfRow(r);
    for (int k = 1; k <= ex01::kSlots; ++k) {
        const framework::PPravidla& p = sentence[std::size_t(k - 1)];
        if (text.empty() ? p.code == code : p.text == text) return k;
    }
    return 0;
}

// The first row (1-based) with a subject word.
int rowWithSubject(const TMainForm01& s) {
    int r = 1;
    while (r < 10 && !slotWith(s, r, ex01::kSubject))
        ++r;
    return r;
}

TEST_F(Exercise01Test, ToolsMarkEraseAndRefuseWhatTheyMustNot) {
    TMainForm01& s = startRunOfTen("Eva");
    const int r = rowWithSubject(s);
    const int subject = slotWith(s, r, ex01::kSubject);
    ASSERT_GT(subject, 0);
    ui::Control& word = s.rows().label(r, subject);
    const framework::UnderlineBar& bar = s.rows().bar(r, subject);

    // No tool chosen: a click does nothing.
    bot->click(word);
    EXPECT_EQ(s.mark(r, subject), 0);
    EXPECT_FALSE(bar.visible());

    bot->click("IPodmet");
    EXPECT_EQ(bot->find("IPodmet").tag(), 1);
    bot->click(word);
    EXPECT_EQ(s.mark(r, subject), ex01::kSubject);
    EXPECT_TRUE(bar.visible());
    EXPECT_EQ(bar.color(), TMainForm01::kSubjectColour);
    EXPECT_EQ(bar.left(), word.left());
    EXPECT_EQ(bar.width(), word.width());

    // The predicate tool leaves a subject word alone.
    bot->click("IPrisudek");
    EXPECT_EQ(bot->find("IPodmet").tag(), 0);
    const int before = countSounds("\\Sound\\Click.wav");
    bot->click(word);
    EXPECT_EQ(s.mark(r, subject), ex01::kSubject);
    EXPECT_EQ(bar.color(), TMainForm01::kSubjectColour);
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), before);

    bot->click("ISmazat");
    bot->click(word);
    EXPECT_EQ(s.mark(r, subject), 0);
    EXPECT_FALSE(bar.visible());

    // The full stop before "@" is a word of its own that no tool can mark.
    const int stop = slotWith(s, r, 0, ".");
    ASSERT_GT(stop, 0);
    bot->click("IPrisudek");
    bot->click(s.rows().label(r, stop));
    EXPECT_EQ(s.mark(r, stop), 0);
    EXPECT_FALSE(s.rows().bar(r, stop).visible());
}

TEST_F(Exercise01Test, TheFieldTakesThreeCharactersAndIsComparedWithCase) {
    TMainForm01& s = startRunOfTen("Eva");
    // Find a row with the unexpressed subject "on" and one without.
    int withRemark = 0, without = 0;
    for (int r = 2; r <= 10; ++r)
        (s.sentenceOfRow(r)[0].remark.empty() ? without : withRemark) = r;
    ASSERT_TRUE(withRemark && without);

    bot->click(s.answerField(1));
    bot->type("abcd");
    EXPECT_EQ(s.answerField(1).text(), "abc");

    // Every other row right, except the unexpressed subject typed with a capital.
    for (int r = 2; r <= 10; ++r)
        answerRow(r, true, r == withRemark ? "On" : nullptr);
    bot->click("IKontr");
    EXPECT_EQ(s.flow().wrong(), 2) << "row 1 (\"abc\") and the row typed \"On\"";
    EXPECT_TRUE(s.evaluationImage(withRemark).clickable);
    EXPECT_FALSE(s.evaluationImage(without).clickable);
    EXPECT_TRUE(s.answerField(without).readOnly());
}

TEST_F(Exercise01Test, AfterTheCheckToolsWordsFieldsNewAndTableAreFrozen) {
    TMainForm01& s = startRunOfTen("Eva");
    bot->click("IPodmet");
    bot->click("IKontr");
    ASSERT_TRUE(s.evaluated());
    EXPECT_EQ(s.flow().wrong(), 10);

    for (const char* tool : {"IPodmet", "IPrisudek", "ISmazat"})
        EXPECT_EQ(bot->find(tool).tag(), 2);
    bot->click("IPrisudek");
    EXPECT_EQ(s.tools.current(), ex01::kSubject);
    const int r = rowWithSubject(s);
    const int subject = slotWith(s, r, ex01::kSubject);
    ASSERT_GT(subject, 0);
    bot->click(s.rows().label(r, subject));
    EXPECT_EQ(s.mark(r, subject), 0);
    bot->click(s.answerField(2));
    bot->type("x");
    EXPECT_EQ(s.answerField(2).text(), "");

    const std::vector<int> drawn = s.flow().draws();
    const int enters = countSounds("\\Sound\\Enter.wav");
    bot->hover(bot->find("INove"));
    bot->hover(bot->find("ITabulka"));
    bot->hover(bot->find("IKontr"));
    EXPECT_EQ(countSounds("\\Sound\\Enter.wav"), enters);
    EXPECT_EQ(app().screenCursor(), shell::crSipka);
    bot->click("INove");
    bot->click("ITabulka");
    EXPECT_EQ(s.flow().draws(), drawn);
    EXPECT_FALSE(forms().table.visible());
    EXPECT_EQ(s.flow().wrong(), 10);
}

TEST_F(Exercise01Test, TheCorrectAnswerShowsOnlyWhileTheButtonIsHeldOnAWrongRow) {
    TMainForm01& s = startRun("Eva", "I10");
    for (int r = 2; r <= 10; ++r)
        answerRow(r, true);
    bot->click("IKontr");
    ASSERT_EQ(s.flow().wrong(), 1);

    // A right row opens nothing.
    press(s.evaluationImage(2));
    EXPECT_FALSE(s.answerShown());
    release(s.evaluationImage(2));

    press(s.evaluationImage(1));
    ASSERT_TRUE(s.answerShown());
    auto& window = bot->find<shell::THintForm>("HintForm");
    EXPECT_TRUE(window.visible());
    EXPECT_EQ(window.left(), 8);
    EXPECT_EQ(window.top(), 73 + 33);
    const framework::Sentence& sentence = s.sentenceOfRow(1);
    EXPECT_EQ(bot->find<ui::Label>("Odpoved1").text(), sentence[0].text);
    const std::string remark = sentence[0].remark;
    EXPECT_EQ(bot->find<ui::Label>("Poznamka").text(),
              remark.empty() ? std::string() : "Podmet - nevyjadrený: " + remark);
    // The line under the subject word is red on the bubble's picture.
    const int subject = slotWith(s, 1, ex01::kSubject);
    if (subject) {
        const ui::Label& word = bot->find<ui::Label>("Odpoved" + std::to_string(subject));
        EXPECT_EQ(
            window.IHint->picture().pixel(word.left() + word.width() / 2, word.top() + word.height() - 1),
            TMainForm01::kSubjectColour);
    }
    release(s.evaluationImage(1));
    app().processMessages();
    EXPECT_FALSE(s.answerShown());
    EXPECT_FALSE(bot->exists("HintForm"));

    // Leaving the image with the button held closes it as well.
    press(s.evaluationImage(1));
    EXPECT_TRUE(s.answerShown());
    bot->moveTo({300, 300});
    bot->release({300, 300});
    app().processMessages();
    EXPECT_FALSE(s.answerShown());
}

TEST_F(Exercise01Test, NewExamplesClearThePageAndRedrawOnlyWhatIsNotDone) {
    TMainForm01& s = startRun("Eva", "I15");
    for (int r = 1; r <= 10; ++r)
        answerRow(r, true);
    const std::vector<int> firstRun = s.flow().draws();
    bot->click("INove");
    EXPECT_NE(s.flow().draws(), firstRun);
    for (const char* tool : {"IPodmet", "IPrisudek", "ISmazat"})
        EXPECT_EQ(bot->find(tool).tag(), 0);
    EXPECT_EQ(s.tools.current(), framework::kNoTool);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(s.answerField(r).text(), "");
        for (int k = 1; k <= ex01::kSlots; ++k) {
            EXPECT_EQ(s.mark(r, k), 0);
            EXPECT_FALSE(s.rows().bar(r, k).visible());
            EXPECT_EQ(s.rows().label(r, k).visible(), !s.sentenceOfRow(r)[std::size_t(k - 1)].text.empty());
        }
    }
}

TEST_F(Exercise01Test, BackInTheMiddleOfARunRecordsNothingAndTheNextRunStartsAfresh) {
    startRun("Eva", "I10");
    for (int r = 1; r <= 10; ++r)
        answerRow(r, true);
    bot->click("IKontr");
    bot->click("IZpet");
    app().processMessages();
    EXPECT_FALSE(screenOpen());
    EXPECT_TRUE(bot->find("EJmeno").showing());
    EXPECT_EQ(readFile(hd.path / "P01.res"), "");
    EXPECT_FALSE(std::filesystem::exists(hd.path / "Vysledky.dat"));

    bot->click("IPokracuj");
    TMainForm01& again = screen();
    EXPECT_EQ(again.flow().right() + again.flow().wrong(), 0);
    EXPECT_FALSE(again.evaluated());
}

// A results table that cannot be written is found when the exercise opens: the pupil is told which
// file and why, the exercise does not open, and the program goes on at the setup screen.
TEST_F(Exercise01Test, ATableThatCannotBeWrittenRefusesTheRunAndTheProgramGoesOn) {
    openSetup01("Eva", "I10");
    std::filesystem::remove(hd.path / "P01.res");
    std::filesystem::create_directory(hd.path / "P01.res");
    bot->click("IPokracuj");
    EXPECT_FALSE(screenOpen());
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_NE(windowBoxes.shown[0].text.find("P01.res"), std::string::npos) << windowBoxes.shown[0].text;
    EXPECT_FALSE(app().terminated());
    EXPECT_TRUE(setupForm() && setupForm()->visible());
}

} // namespace
