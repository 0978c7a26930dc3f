// The marks of the comma exercises' correct answers: which place after a word is a comma the pupil
// got right, left out or put wrongly, where each mark falls in the answer's text, and how the marks
// travel when the answer is split into two lines.
#include "framework/CommaRows.h"
#include "framework/MarkedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using framework::AnswerMark;
using framework::CommaMark;
using framework::MarkedText;
using framework::TextMark;

// "Peter, môj brat, prišiel domov." with an empty slot at the end, as the files have.
framework::Sentence sentence() {
    framework::Sentence s(6);
    const char* words[] = {"Peter", "môj", "brat", "prišiel", "domov."};
    for (std::size_t k = 0; k < 5; ++k)
        s[k].text = words[k];
    s[0].code = s[2].code = framework::kCommaAfter;
    return s;
}

TEST(CommaMarks, EachPlaceIsRightMissedWrongOrNothing) {
    constexpr CommaMark N = CommaMark::None, R = CommaMark::Right, M = CommaMark::Missed,
                        W = CommaMark::Wrong;
    struct Case {
        const char* answer;
        std::vector<bool> placed;
        std::vector<CommaMark> marks;
    };
    const Case cases[] = {
        {"both right", {true, false, true, false, false, false}, {R, N, R, N, N, N}},
        {"none placed", {false, false, false, false, false, false}, {M, N, M, N, N, N}},
        {"one right, one missed", {true, false, false, false, false, false}, {R, N, M, N, N, N}},
        {"a wrong one besides", {true, true, true, false, false, false}, {R, W, R, N, N, N}},
        {"moved one word on", {false, true, false, true, false, false}, {M, W, M, W, N, N}},
        {"after the closing word", {true, false, true, false, true, false}, {R, N, R, N, W, N}},
        {"fewer slots than the sentence", {true}, {R, N, M, N, N, N}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(framework::commaMarks(sentence(), c.placed), c.marks);
    }
}

TEST(CommaMarks, TheAnswerTextMarksTheMissedCommaAndInsertsTheWrongOne) {
    // The pupil put a comma after "Peter" (right) and after "môj" (wrong), none after "brat".
    const MarkedText answer =
        framework::joined(framework::markedCommaPieces(sentence(), {true, true, false, false, false, false}));
    EXPECT_EQ(answer.text, "Peter, môj brat, prišiel domov. ") << "the text is the correct sentence";
    const std::size_t afterMoj = std::string("Peter, môj").size();
    const std::size_t bratComma = std::string("Peter, môj brat").size();
    EXPECT_EQ(answer.marks, (std::vector<TextMark>{{afterMoj, 0, AnswerMark::WrongComma},
                                                   {bratComma, 1, AnswerMark::MissedComma}}));
    EXPECT_EQ(answer.shown(), "Peter, môj, brat, prišiel domov. ");
}

// Every character is 10 pixels wide.
int tenEach(std::string_view text) {
    return int(text.size()) * 10;
}

TEST(CommaMarks, ASplitAnswerKeepsEachMarkOnItsOwnLine) {
    const std::vector<MarkedText> pieces =
        framework::markedCommaPieces(sentence(), {false, false, true, true, false, false});
    // "Peter, " (7) + "môj " (5 bytes) + "brat, " (6) = 18 bytes; the next piece passes 200 pixels.
    const auto [first, second] = framework::splitAtWidth(pieces, 200, tenEach);
    EXPECT_EQ(first.text, "Peter, môj brat, ");
    EXPECT_EQ(second.text, "prišiel domov. ");
    EXPECT_EQ(first.marks, (std::vector<TextMark>{{5, 1, AnswerMark::MissedComma}}));
    EXPECT_EQ(second.marks,
              (std::vector<TextMark>{{std::string("prišiel").size(), 0, AnswerMark::WrongComma}}));

    // The inserted comma counts for the width: one pixel less and the piece that holds it moves down.
    const std::vector<MarkedText> wrongEarly =
        framework::markedCommaPieces(sentence(), {true, true, true, false, false, false});
    EXPECT_EQ(framework::splitAtWidth(wrongEarly, 190, tenEach).first.text, "Peter, môj brat, ");
    EXPECT_EQ(framework::splitAtWidth(wrongEarly, 189, tenEach).first.text, "Peter, môj ");
}

} // namespace
