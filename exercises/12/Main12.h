#pragma once
// Exercise 12, completing connecting expressions (unit Main12): each sentence has a gap with a
// chooser in it; the chooser's pop-up list offers three candidate expressions in random order, and
// the row is right when the pupil chose the first candidate of the sentence file.
#include "framework/ExerciseScreen.h"
#include "framework/MarkedText.h"
#include "framework/PopupChooser.h"
#include "framework/WordRows.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ex12 {

// An order of the three candidates: the candidate (0-based) that each list item shows.
using CandidateOrder = std::array<int, 3>;
// The six orders, numbered 0 to 5.
inline constexpr std::array<CandidateOrder, 6> kOrders{
    {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};

// The word strings of one example on the worksheet: for each slot, its text followed by a space
// unless a lone "." or "," follows; the gap as "#" and the candidates in `order` separated by
// " | "; slot 15 only when it is the gap.
std::vector<std::string> printWords(const framework::Sentence& s, const CandidateOrder& order);

// The correct answer: the sentence whole, the gap filled by its own word, which is marked.
framework::MarkedText answerText(const framework::Sentence& s);

// The words of every row with the gap chooser inside them, at the place of the gap word, and the
// one list of candidates the choosers open. A row is right when its chooser holds the first
// candidate of the sentence file; an empty chooser is wrong.
class GapRows final : public framework::RowPart {
public:
    // The words of every row; the choosers and the list follow with addChooser and addList.
    GapRows(ui::Control& parent, const framework::ScreenServices& services, int pitch);
    // Row r's chooser; a click on it runs `click`.
    void addChooser(int r, std::function<void(int)> click);
    void addList();

    framework::WordRows& rows() { return rows_; }
    framework::TMujComboBox& chooser(int r) const { return *choosers_.at(std::size_t(r - 1)); }
    framework::TMujListbox& list() const { return *list_; }
    // Whether the list is open with row r's candidates.
    bool listOpenFor(int r) const { return list_->visible() && filledFor_ == r; }
    // Puts row r's candidates into the list, in the order they are offered.
    void fill(int r, const std::vector<std::string>& candidates);

    void layout(int r, const framework::Sentence& s) override;
    void clear(int r) override;
    void hide(int r) override;
    bool judge(int r, const framework::Sentence& s) override;
    void closePopups() override { list_->close(); }
    bool answered(int r) const override { return !chooser(r).text().empty(); }
    bool popupOpen() const override { return list_->visible(); }

private:
    ui::Control& parent_;
    const framework::ScreenServices& services_;
    int pitch_;
    framework::WordRows rows_;
    std::vector<framework::TMujComboBox*> choosers_;
    framework::TMujListbox* list_ = nullptr;
    int filledFor_ = 0; // the row whose candidates the list holds
};

class TMainForm12 : public framework::ExerciseScreen {
public:
    static constexpr int kPitch = 36;

    TMainForm12(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);

    framework::WordRows& rows() const { return gaps_->rows(); }
    framework::TMujComboBox& chooser(int r) const { return gaps_->chooser(r); }
    framework::TMujListbox& list() const { return gaps_->list(); }

    // The chooser's click: opens the list of row r with its candidates.
    void Click(int r);

protected:
    void Inicializace() override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    framework::PrintForm printData() override;

private:
    GapRows* gaps_ = nullptr;
};

} // namespace ex12

void registerScreen12(shell::ExerciseScreens& screens);
