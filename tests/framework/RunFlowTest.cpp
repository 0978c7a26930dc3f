// The run of pages: draws, pages, counters and the states of a page.
#include "framework/RunFlow.h"

#include <platform/errors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

using framework::NextPage;
using framework::PageState;
using framework::RunFlow;

// The run's places hold distinct sentences of the file; the places after the run are empty.
void expectValidDraw(const RunFlow& flow, int sentenceCount) {
    std::set<int> s;
    for (int k = 1; k <= flow.runLength(); ++k)
        s.insert(flow.draw(k));
    EXPECT_EQ(int(s.size()), flow.runLength()) << "a sentence was drawn twice";
    EXPECT_GE(*s.begin(), 1);
    EXPECT_LE(*s.rbegin(), sentenceCount);
    for (int k = flow.runLength() + 1; k <= flow.shape().drawCapacity; ++k)
        EXPECT_EQ(flow.draw(k), 0);
}

struct RunCase {
    int length;
    std::vector<int> pages;
    framework::PageShape shape = {};
};

class RunLengths : public ::testing::TestWithParam<RunCase> {};

// Answers every page with alternating verdicts and follows the pages to the end.
TEST_P(RunLengths, PagesHalfPageAndCountersAddUpToTheRunLength) {
    const RunCase c = GetParam();
    framework::SeededRandom random(7);
    RunFlow flow(c.shape, c.length, 200);
    flow.drawAll(random);
    expectValidDraw(flow, 200);

    std::vector<int> pages;
    std::vector<int> offsets;
    NextPage next = NextPage::Full;
    int row = 0;
    while (true) {
        pages.push_back(flow.rowsOnPage());
        offsets.push_back(flow.pageOffset());
        std::vector<bool> verdicts;
        for (int r = 1; r <= flow.rowsOnPage(); ++r)
            verdicts.push_back(row++ % 3 != 0);
        ASSERT_TRUE(flow.check(verdicts));
        next = flow.next();
        if (next == NextPage::End) break;
        EXPECT_EQ(next == NextPage::Half, flow.rowsOnPage() == 5);
    }
    EXPECT_EQ(pages, c.pages);
    for (std::size_t i = 0; i < offsets.size(); ++i)
        EXPECT_EQ(offsets[i], int(i) * c.shape.pageSize);
    EXPECT_EQ(flow.state(), PageState::Finished);
    EXPECT_EQ(flow.right() + flow.wrong(), c.length);
    EXPECT_EQ(flow.wrong(), (c.length + 2) / 3);
}

// Pages of nine have no half page (a draw rule of an exercise's own is in BalancedPagesTest).
INSTANTIATE_TEST_SUITE_P(
    Runs, RunLengths,
    ::testing::Values(RunCase{10, {10}}, RunCase{15, {10, 5}}, RunCase{20, {10, 10}},
                      RunCase{25, {10, 10, 5}}, RunCase{30, {10, 10, 10}},
                      RunCase{18, {9, 9}, {.pageSize = 9, .halfPage = false, .drawCapacity = 45}}));

TEST(RunFlow, NewExamplesOnALaterPageKeepTheEarlierPagesAndNeverRepeatThem) {
    framework::SeededRandom random(11);
    // 32 sentences for a run of 30: the redraw must find the few still free.
    RunFlow flow({}, 30, 32);
    flow.drawAll(random);
    ASSERT_TRUE(flow.check(std::vector<bool>(10, true)));
    ASSERT_EQ(flow.next(), NextPage::Full);
    const std::vector<int> first(flow.draws().begin(), flow.draws().begin() + 10);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(flow.drawNew(random));
        EXPECT_TRUE(std::equal(first.begin(), first.end(), flow.draws().begin()));
        expectValidDraw(flow, 32);
    }
}

TEST(RunFlow, AFileWithFewerSentencesThanTheRunIsAClearErrorNotAHang) {
    EXPECT_NO_THROW(framework::requireEnoughSentences(15, 15, "/hd/01.dat"));
    try {
        framework::requireEnoughSentences(14, 15, "/hd/01.dat");
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.path(), "/hd/01.dat");
    }
    EXPECT_THROW(RunFlow({}, 15, 14), std::invalid_argument);
}

} // namespace
