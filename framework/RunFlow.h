#pragma once
// The run of examples that every exercise screen shows a page at a time: the draw list, the pages,
// the counters and the two states of a page (being answered, checked). No screen here: the screens
// wire their buttons to this.
#include "framework/Random.h"

#include <string>
#include <vector>

namespace framework {

// How the sentences of a run are chosen. A policy fills the places `first` to the run's length of
// the draw list (1-based; the earlier places are kept) with sentence numbers 1 to `sentenceCount`,
// never one already in the list, and must always end.
class DrawPolicy {
public:
    virtual ~DrawPolicy() = default;
    virtual void draw(std::vector<int>& draws, int first, int runLength, int sentenceCount,
                      RandomSource& random) const = 0;
};

// Each place takes a uniform choice among the sentences not yet in the run.
class UniformDraw final : public DrawPolicy {
public:
    void draw(std::vector<int>& draws, int first, int runLength, int sentenceCount,
              RandomSource& random) const override;
};

// How an exercise cuts a run into pages and draws it.
struct PageShape {
    int pageSize = 10;     // rows of a full page (the screen has this many rows)
    bool halfPage = true;  // five examples left after a full page make a last page of five
    int drawCapacity = 30; // entries of the draw list (the longest run)
    // The draw rule (borrowed: a policy lives as long as the program); uniform when none.
    const DrawPolicy* policy = nullptr;
};

// Throws platform::FileError when the sentence file holds fewer sentences than a run needs: the
// run could never be drawn without repeating a sentence.
void requireEnoughSentences(int sentenceCount, int runLength, const std::string& path);

enum class PageState { Answering, Evaluated, Finished };
enum class NextPage { Full, Half, End };

class RunFlow {
public:
    // Throws std::invalid_argument for a run longer than the draw list or than the sentences.
    RunFlow(PageShape shape, int runLength, int sentenceCount);

    // Draws the whole run anew, no sentence twice (VygenerujPriklady).
    void drawAll(RandomSource& random);
    // Draws the current and later pages anew, keeping and never repeating the earlier pages'
    // sentences (VygenerujDodatecnePriklady).
    void drawRemaining(RandomSource& random);
    // New examples on the page being answered: the whole run on the first page, the rest on a
    // later one. Returns false (nothing drawn) once the page has been checked.
    bool drawNew(RandomSource& random);

    // Records the verdicts of the rows of the page (one per row) and freezes the page. Returns
    // false (nothing recorded) when the page is not being answered.
    bool check(const std::vector<bool>& verdicts);
    // Moves past a checked page: the next page, full or half, or the end of the run.
    NextPage next();

    const PageShape& shape() const { return shape_; }
    PageState state() const { return state_; }
    int runLength() const { return runLength_; }
    int remaining() const { return remaining_; }
    int rowsOnPage() const { return rowsOnPage_; }
    // The page on screen (1-based) and the pages of the whole run.
    int page() const { return pageOffset_ / shape_.pageSize + 1; }
    int pages() const { return (runLength_ + shape_.pageSize - 1) / shape_.pageSize; }
    int pageOffset() const { return pageOffset_; }
    int right() const { return right_; }
    int wrong() const { return wrong_; }
    // The sentence number at draw list position k (1-based), 0 when empty.
    int draw(int k) const { return draws_.at(std::size_t(k - 1)); }
    // The sentence of row r (1-based) of the current page.
    int sentenceOfRow(int r) const { return draw(pageOffset_ + r); }
    const std::vector<int>& draws() const { return draws_; }

private:
    void drawFrom(int first, RandomSource& random);
    const DrawPolicy& policy() const;

    PageShape shape_;
    int runLength_;
    int sentenceCount_;
    std::vector<int> draws_;
    int remaining_;
    int rowsOnPage_;
    int pageOffset_ = 0;
    int right_ = 0;
    int wrong_ = 0;
    PageState state_ = PageState::Answering;
};

} // namespace framework
