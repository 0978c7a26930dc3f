#include "framework/BalancedPages.h"

#include <algorithm>
#include <stdexcept>

namespace framework {

BalancedPages::BalancedPages(int pageSize, int maxOfOneKind, std::vector<int> counted, KindOf kindOf,
                             bool skipLineBeforeDrawn)
    : pageSize_(pageSize), maxOfOneKind_(maxOfOneKind), counted_(std::move(counted)),
      kindOf_(std::move(kindOf)), skipLineBeforeDrawn_(skipLineBeforeDrawn) {
    if (pageSize_ < 1 || maxOfOneKind_ < 1) throw std::invalid_argument("BalancedPages: empty pages");
}

bool BalancedPages::balanced(const std::vector<int>& draws, std::size_t start) const {
    const std::size_t end = std::min(start + std::size_t(pageSize_), draws.size());
    for (int kind : counted_) {
        const auto n =
            std::count_if(draws.begin() + std::ptrdiff_t(start), draws.begin() + std::ptrdiff_t(end),
                          [&](int s) { return s > 0 && kindOf_(s) == kind; });
        if (n > maxOfOneKind_) return false;
    }
    return true;
}

int BalancedPages::pick(const std::vector<int>& draws, std::size_t start, std::size_t k, int sentenceCount,
                        RandomSource& random, Pick mode) const {
    const std::size_t end = std::min(start + std::size_t(pageSize_), draws.size());
    // Settled: the places before this one. Stale: this place and the later ones of the page while
    // it is drawn again, whose old sentences still count as drawn.
    std::vector<char> settled(std::size_t(sentenceCount) + 2, 0), stale(settled.size(), 0);
    for (std::size_t i = 0; i < k; ++i)
        settled[std::size_t(draws[i])] = 1;
    for (std::size_t i = k; i < end; ++i)
        stale[std::size_t(draws[i])] = 1;
    std::vector<int> onPage(counted_.size(), 0);
    if (mode == Pick::KeepBalance)
        for (std::size_t i = start; i < k; ++i)
            for (std::size_t c = 0; c < counted_.size(); ++c)
                if (draws[i] > 0 && kindOf_(draws[i]) == counted_[c]) ++onPage[c];
    const auto full = [&](int s) {
        for (std::size_t c = 0; c < counted_.size(); ++c)
            if (onPage[c] >= maxOfOneKind_ && kindOf_(s) == counted_[c]) return true;
        return false;
    };
    const auto nextDrawn = [&](int s) {
        return skipLineBeforeDrawn_ && (settled[std::size_t(s) + 1] || stale[std::size_t(s) + 1]);
    };
    // From the strictest choice to the loosest: the neighbour rule, then the old draws of the page,
    // then the balance are let go, each only when no sentence keeps it.
    const std::function<bool(int)> tiers[] = {
        [&](int s) { return !stale[std::size_t(s)] && !nextDrawn(s) && !full(s); },
        [&](int s) { return !stale[std::size_t(s)] && !full(s); },
        [&](int s) { return !full(s); },
        [](int) { return true; },
    };
    std::vector<int> candidates;
    for (const auto& allowed : tiers) {
        candidates.clear();
        for (int s = 1; s <= sentenceCount; ++s)
            if (!settled[std::size_t(s)] && allowed(s)) candidates.push_back(s);
        if (!candidates.empty()) return candidates[std::size_t(random.below(int(candidates.size())))];
    }
    return 0;
}

void BalancedPages::draw(std::vector<int>& draws, int first, int runLength, int sentenceCount,
                         RandomSource& random) const {
    const std::size_t size = draws.size(), page = std::size_t(pageSize_);
    for (std::size_t from = std::size_t(first - 1); from < size; from = (from / page + 1) * page) {
        const std::size_t start = from / page * page, end = std::min(start + page, size);
        bool ok = false;
        for (int attempt = 0; attempt < kPageAttempts && !ok; ++attempt) {
            for (std::size_t k = from; k < end; ++k)
                draws[k] = pick(draws, start, k, sentenceCount, random, Pick::Free);
            ok = balanced(draws, start);
        }
        if (!ok)
            for (std::size_t k = from; k < end; ++k)
                draws[k] = pick(draws, start, k, sentenceCount, random, Pick::KeepBalance);
    }
    for (int k = first; k <= runLength; ++k)
        if (draws[std::size_t(k - 1)] == 0)
            throw std::invalid_argument("BalancedPages: fewer sentences than the run's examples");
}

} // namespace framework
