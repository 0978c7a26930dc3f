#include "framework/RunFlow.h"

#include <platform/errors.h>

#include <algorithm>
#include <stdexcept>

namespace framework {

void requireEnoughSentences(int sentenceCount, int runLength, const std::string& path) {
    if (sentenceCount < runLength)
        throw platform::FileError(path, "the sentence file holds " + std::to_string(sentenceCount) +
                                            " sentences, fewer than the " + std::to_string(runLength) +
                                            " examples of the run");
}

RunFlow::RunFlow(PageShape shape, int runLength, int sentenceCount)
    : shape_(shape), runLength_(runLength), sentenceCount_(sentenceCount),
      draws_(std::size_t(shape.drawCapacity), 0), remaining_(runLength),
      rowsOnPage_(std::min(runLength, shape.pageSize)) {
    if (runLength < 1 || runLength > shape.drawCapacity || runLength > sentenceCount)
        throw std::invalid_argument("a run of " + std::to_string(runLength) +
                                    " examples cannot be drawn from " + std::to_string(sentenceCount) +
                                    " sentences");
}

void RunFlow::drawAll(RandomSource& random) {
    drawFrom(1, random);
}

void RunFlow::drawRemaining(RandomSource& random) {
    drawFrom(pageOffset_ + 1, random);
}

bool RunFlow::drawNew(RandomSource& random) {
    if (state_ != PageState::Answering) return false;
    if (pageOffset_ < 1)
        drawAll(random);
    else
        drawRemaining(random);
    return true;
}

const DrawPolicy& RunFlow::policy() const {
    static const UniformDraw uniform;
    return shape_.policy ? *shape_.policy : uniform;
}

void RunFlow::drawFrom(int first, RandomSource& random) {
    random.reseed();
    std::fill(draws_.begin() + (first - 1), draws_.end(), 0);
    policy().draw(draws_, first, runLength_, sentenceCount_, random);
}

// Choosing only among the free sentences, a draw always ends.
void UniformDraw::draw(std::vector<int>& draws, int first, int runLength, int sentenceCount,
                       RandomSource& random) const {
    std::vector<bool> taken(std::size_t(sentenceCount) + 1, false);
    for (int k = 1; k < first; ++k)
        taken[std::size_t(draws[std::size_t(k - 1)])] = true;
    std::vector<int> free;
    for (int k = first; k <= runLength; ++k) {
        free.clear();
        for (int s = 1; s <= sentenceCount; ++s)
            if (!taken[std::size_t(s)]) free.push_back(s);
        const int s = free[std::size_t(random.below(int(free.size())))];
        draws[std::size_t(k - 1)] = s;
        taken[std::size_t(s)] = true;
    }
}

bool RunFlow::check(const std::vector<bool>& verdicts) {
    if (state_ != PageState::Answering) return false;
    if (int(verdicts.size()) != rowsOnPage_) throw std::invalid_argument("one verdict per row of the page");
    for (bool ok : verdicts)
        ++(ok ? right_ : wrong_);
    state_ = PageState::Evaluated;
    return true;
}

NextPage RunFlow::next() {
    if (state_ != PageState::Evaluated) throw std::logic_error("only a checked page can be left");
    remaining_ -= shape_.pageSize;
    rowsOnPage_ = std::min(remaining_, shape_.pageSize);
    NextPage next = NextPage::End;
    if (remaining_ >= shape_.pageSize)
        next = NextPage::Full;
    else if (shape_.halfPage && remaining_ == 5)
        next = NextPage::Half;
    if (next == NextPage::End) {
        state_ = PageState::Finished;
    } else {
        pageOffset_ += shape_.pageSize;
        state_ = PageState::Answering;
    }
    return next;
}

} // namespace framework
