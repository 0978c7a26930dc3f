#pragma once
// A draw in pages whose kinds are kept in balance: no page holds more than `maxOfOneKind`
// sentences of one counted kind. Every page of the draw list is drawn, whatever the run's length,
// so that a later page drawn again keeps to the same rule.
//
// Each place takes a uniform choice among the sentences that are free (and, with
// `skipLineBeforeDrawn`, whose next line is not drawn yet: two neighbouring lines come into one
// run only in the order of the file). A page that comes out with too many of one kind is drawn
// again, its old sentences still barred until each place is drawn anew. The draw always ends: a
// page that stays out of balance after `kPageAttempts` tries is drawn place by place leaving out a
// kind the page already holds enough of; a rule that cannot be kept with the sentences left is let
// go, the neighbour rule first and the balance last; and places past the run's length that no free
// sentence is left for stay empty (0).
#include "framework/RunFlow.h"

#include <functional>
#include <vector>

namespace framework {

class BalancedPages final : public DrawPolicy {
public:
    static constexpr int kPageAttempts = 100;
    // The kind of sentence n (1-based); only the kinds listed in `counted` are limited.
    using KindOf = std::function<int(int sentence)>;

    BalancedPages(int pageSize, int maxOfOneKind, std::vector<int> counted, KindOf kindOf,
                  bool skipLineBeforeDrawn);

    void draw(std::vector<int>& draws, int first, int runLength, int sentenceCount,
              RandomSource& random) const override;

    // Whether the page of `pageSize` places from `start` (0-based) holds at most `maxOfOneKind` of
    // every counted kind.
    bool balanced(const std::vector<int>& draws, std::size_t start) const;

private:
    enum class Pick { Free, KeepBalance };
    // Sentence for the place `k` (0-based) of the page from `start`, 0 when none is free.
    int pick(const std::vector<int>& draws, std::size_t start, std::size_t k, int sentenceCount,
             RandomSource& random, Pick mode) const;

    int pageSize_;
    int maxOfOneKind_;
    std::vector<int> counted_;
    KindOf kindOf_;
    bool skipLineBeforeDrawn_;
};

} // namespace framework
