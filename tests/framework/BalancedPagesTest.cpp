// The draw in balanced pages of nine (exercise 06's rule): every page of the draw list drawn, at
// most seven of one kind on a page, no sentence twice, a line never drawn after the line that
// follows it, and a draw that ends whatever the file.
#include "framework/BalancedPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using framework::BalancedPages;
using framework::RunFlow;

constexpr int kPage = 9, kCapacity = 45;

// Sentence kinds of a file: kinds[n - 1] is the kind of sentence n.
struct File {
    std::vector<int> kinds;
    BalancedPages rule{kPage, 7, {1, 2}, [this](int n) { return kinds.at(std::size_t(n - 1)); }, true};
    explicit File(std::vector<int> k) : kinds(std::move(k)) {}
    int count() const { return int(kinds.size()); }
    RunFlow flow(int runLength) const {
        return RunFlow({.pageSize = kPage, .halfPage = false, .drawCapacity = kCapacity, .policy = &rule},
                       runLength, count());
    }
};

// Kinds in the order `pattern` repeats, `count` sentences.
std::vector<int> kindsOf(const std::vector<int>& pattern, int count) {
    std::vector<int> kinds;
    for (int i = 0; i < count; ++i)
        kinds.push_back(pattern[std::size_t(i) % pattern.size()]);
    return kinds;
}

int countOnPage(const File& f, const RunFlow& flow, int page, int kind) {
    int n = 0;
    for (int k = page * kPage + 1; k <= page * kPage + kPage; ++k)
        if (flow.draw(k) > 0 && f.kinds[std::size_t(flow.draw(k) - 1)] == kind) ++n;
    return n;
}

// What every draw of a file with enough sentences of each kind keeps to.
void expectRuleKept(const File& f, const RunFlow& flow, const std::string& what) {
    std::map<int, int> position; // sentence -> place in the list
    for (int k = 1; k <= kCapacity; ++k) {
        const int s = flow.draw(k);
        ASSERT_GE(s, 1) << what << ": place " << k << " is empty";
        ASSERT_LE(s, f.count()) << what;
        ASSERT_TRUE(position.emplace(s, k).second) << what << ": sentence " << s << " twice";
    }
    for (int p = 0; p < kCapacity / kPage; ++p)
        for (int kind : {1, 2})
            EXPECT_LE(countOnPage(f, flow, p, kind), 7) << what << ": page " << p + 1 << ", kind " << kind;
    for (const auto& [s, k] : position) {
        const auto next = position.find(s + 1);
        if (next != position.end()) {
            EXPECT_LT(k, next->second) << what << ": line " << s << " drawn after the line below it";
        }
    }
}

TEST(BalancedPagesTest, EveryPageOfEveryRunKeepsTheRuleOverManySeeds) {
    // As the shipped file: the kinds alternate line by line; and a file in blocks of one kind,
    // where a page of nine drawn at random is often out of balance.
    const File alternating(kindsOf({1, 2}, 160));
    const File blocks(
        kindsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, 200));
    for (const File* f : {&alternating, &blocks})
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            framework::SeededRandom random(seed);
            RunFlow flow = f->flow(seed % 5 * 9 + 9);
            flow.drawAll(random);
            expectRuleKept(*f, flow, "seed " + std::to_string(seed));
        }
}

// New examples on a later page draw that page and the later ones anew; the earlier pages stay.
TEST(BalancedPagesTest, DrawingTheRestKeepsTheEarlierPagesAndTheRule) {
    const File f(kindsOf({1, 2, 2, 1, 1}, 120));
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        framework::SeededRandom random(seed);
        RunFlow flow = f.flow(45);
        flow.drawAll(random);
        const int pages = int(seed % 4) + 1;
        for (int p = 0; p < pages; ++p) {
            ASSERT_TRUE(flow.check(std::vector<bool>(kPage, true)));
            flow.next();
        }
        const std::vector<int> before = flow.draws();
        flow.drawRemaining(random);
        const int kept = pages * kPage;
        EXPECT_TRUE(std::equal(before.begin(), before.begin() + kept, flow.draws().begin()));
        EXPECT_NE(std::vector<int>(before.begin() + kept, before.end()),
                  std::vector<int>(flow.draws().begin() + kept, flow.draws().end()));
        expectRuleKept(f, flow, "seed " + std::to_string(seed));
    }
}

// Files the rule cannot be kept with: the draw still ends, never repeats a sentence, fills the run
// and keeps what it can.
TEST(BalancedPagesTest, TheDrawEndsWhateverTheFile) {
    struct Case {
        const char* what;
        std::vector<int> kinds;
        int runLength;
        int filled; // places of the list that get a sentence
    };
    const std::vector<Case> cases = {
        {"nine lines for a run of nine", kindsOf({1, 2}, 9), 9, 9},
        {"45 lines: the neighbour rule cannot hold", kindsOf({1, 2}, 45), 45, 45},
        {"one kind only", kindsOf({1}, 60), 27, 45},
        {"a kind too rare to balance every page", kindsOf({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2}, 120), 45, 45},
        {"phrases of no known kind", kindsOf({0}, 50), 18, 45},
    };
    for (const Case& c : cases)
        for (std::uint32_t seed = 1; seed <= 50; ++seed) {
            const File f(c.kinds);
            framework::SeededRandom random(seed);
            RunFlow flow = f.flow(c.runLength);
            flow.drawAll(random);
            std::set<int> drawn;
            int filled = 0;
            for (int k = 1; k <= kCapacity; ++k) {
                const int s = flow.draw(k);
                if (s == 0) {
                    EXPECT_GT(k, c.runLength) << c.what << ": a place of the run is empty";
                    continue;
                }
                ++filled;
                EXPECT_TRUE(drawn.insert(s).second) << c.what << ": sentence " << s << " twice";
            }
            EXPECT_EQ(filled, c.filled) << c.what;
        }
}

} // namespace
