// Exercise 12 on its screen: the chooser in the gap, the candidates in random order (the run from
// the menu checks that the first candidate is right wherever it is listed), the correct answer and
// the worksheet's word strings.
#include "ExerciseFixture.h"

#include "framework/MarkedText.h"

#include "exercises/12/Main12.h"
#include "exercises/12/Sentences12.h"

#include <set>

namespace {

const std::vector<std::string> kSentences = {
    "Komiks, #ktorý mi požičal spolužiak, je vtipný.$ktorý$ktorá$ktorú",
    "Tréner oznámil, #že zápas bude v sobotu.$že$aby$kým",
    "Bývame v dedine, #kde stojí zvonica.$kde$kam$odkiaľ",
    "Neviem, #či príde.$či$že$aby",
    "Zostal doma, #lebo bol chorý.$lebo$ale$aj",
    "Učil sa, #aby uspel.$aby$že$kde",
    "Viem, #kto to bol.$kto$čo$kde",
    "Pršalo, #preto sme zostali doma.$preto$lebo$či",
    "Čakal, #kým neprišla.$kým$kde$kto",
    "Smial sa, #hoci ho to bolelo.$hoci$lebo$že",
};

struct Exercise12Test : ExerciseTest {
    ex12::TMainForm12& s() { return bot->find<ex12::TMainForm12>("MainForm12"); }
    void SetUp() override { startExercise<ex12::TMainForm12>("12", registerScreen12, kSentences); }
    std::vector<std::string> listed() {
        return {s().list().item(0).text(), s().list().item(1).text(), s().list().item(2).text()};
    }
};

TEST_F(Exercise12Test, TheListKeepsItsOrderWhileOpenAndDrawsANewOneWhenReopened) {
    const int r = 1;
    // The drawn sentence decides in which slot the gap lies.
    int gapSlot = 1;
    while (s().sentenceOfRow(r)[gapSlot - 1].code != ex12::kGap)
        ++gapSlot;
    const ui::Label& gap = s().rows().label(r, gapSlot);
    EXPECT_FALSE(gap.visible());
    EXPECT_EQ(s().chooser(r).bounds(), (ui::Rect{gap.left(), 36 * r + 59, 80, 20}))
        << "in the gap word's place";

    bot->click(s().chooser(r));
    const std::vector<std::string> first = listed();
    bot->click(s().chooser(r));
    EXPECT_EQ(listed(), first) << "a click on the chooser of the open list does not reorder it";
    std::set<std::vector<std::string>> orders{first};
    for (int i = 0; i < 30; ++i) {
        bot->click(s().rows().label(r, 1));
        bot->click(s().chooser(r));
        orders.insert(listed());
    }
    EXPECT_GT(orders.size(), 1u) << "reopening draws the order anew";
}

TEST(Exercise12Print, TheGapShowsItsCandidatesInTheSheetsOrder) {
    framework::Sentence s(15);
    const std::vector<std::string> texts = {"Viem", ",", "kto", "to", "bol", "."};
    for (std::size_t k = 0; k < texts.size(); ++k)
        s[k].text = texts[k];
    s[2].code = ex12::kGap;
    s[0].remark = "kto", s[1].remark = "čo", s[2].remark = "kde";
    s[14].text = "navyše"; // slot 15 is printed only when it is the gap
    EXPECT_EQ(ex12::printWords(s, ex12::kOrders[4]),
              (std::vector<std::string>{"Viem", ", ", "#kde | kto | čo ", "to ", "bol", ". ", "", "", "", "",
                                        "", "", "", "", ""}));
}

// The correct answer marks the word that belongs in the gap: bold, green and underlined.
TEST_F(Exercise12Test, TheCorrectAnswerMarksTheGapWord) {
    bot->click("IKontr"); // nothing chosen: every row is wrong
    const int r = rowStarting(s(), "Neviem");
    press(s().evaluationImage(r));
    const auto& answer = bot->find<framework::AnswerLine>("Odpoved");
    const std::string before = answer.text().substr(0, answer.text().find("či "));
    ASSERT_NE(before, answer.text());
    EXPECT_EQ(answer.marks(), (std::vector<framework::TextMark>{
                                  {before.size(), std::string("či").size(), framework::AnswerMark::Chosen}}));
    app().paintNow();
    EXPECT_GT(countCanvasPixels(answer.canvasRect(), framework::kBelongsColour), 10)
        << "the underline and the word";
    release(s().evaluationImage(r));
}

} // namespace
