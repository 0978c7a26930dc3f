#pragma once
// Exercise 12, completing connecting expressions (unit Main12): each sentence has a gap with a
// chooser in it; the chooser's pop-up list offers three candidate expressions in random order, and
// the row is right when the pupil chose the first candidate of the sentence file.
#include "framework/ExerciseScreen.h"
#include "framework/MarkedText.h"
#include "framework/PopupChooser.h"
#include "framework/WordRows.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace shell {
class ExerciseScreens;
}

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

class TMainForm12 : public framework::ExerciseScreen {
public:
    static constexpr int kPitch = 36;

    TMainForm12(ui::Application& app, const framework::ExerciseContext& context,
                framework::RandomSource* random = nullptr);
    ~TMainForm12() override;

    framework::WordRows& rows() const { return *rows_; }
    framework::TMujComboBox& chooser(int r) const { return *choosers_.at(std::size_t(r - 1)); }
    framework::TMujListbox& list() const { return *list_; }

    // The chooser's click: opens the list of row r with its candidates.
    void Click(int r);

protected:
    void Inicializace() override;
    framework::SentenceTable NactiSoubor(const std::string& path) override;
    void layoutRow(int r, const framework::Sentence& s) override;
    void clearRow(int r) override;
    void hideRow(int r) override;
    bool judgeRow(int r, const framework::Sentence& s) override;
    void closePopups() override;
    bool rowAnswered(int r) const override;
    bool popupOpen() const override;
    ui::Form& createCorrectAnswer(int r, const framework::Sentence& s) override;
    std::string keyAnswer(const framework::Sentence& s) const override;
    framework::PrintForm printData() override;

private:
    std::unique_ptr<framework::WordRows> rows_;
    std::vector<framework::TMujComboBox*> choosers_;
    framework::TMujListbox* list_ = nullptr;
    int filledFor_ = 0; // the row whose candidates the list holds
};

} // namespace ex12

void registerScreen12(shell::ExerciseScreens& screens);
