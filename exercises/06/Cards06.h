#pragma once
// The cards of exercise 06 and the two columns of slots they are sorted into. A page is nine cards
// (row r of the page is card r), lying at their home places at the bottom of the screen; the pupil
// drags each into one of fourteen slots: slots 1 to 7 (left column) for agreeing attributes, 8 to
// 14 (right column) for non-agreeing ones. A double click sends a placed card home.
#include "exercises/06/Sentences06.h"
#include "framework/ExerciseContext.h"
#include "framework/ExerciseScreen.h"
#include "framework/RowPart.h"

#include <controls/DragCard.h>
#include <ui/Image.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ex06 {

inline constexpr int kCards = 9;
inline constexpr int kSlotCount = 14;
inline constexpr int kSlotsPerColumn = 7;

// The slot k (1 to 14): left column 95, right column 395; tops 136 to 328, 32 apart.
ui::Rect slotBounds(int k);
// The evaluation image beside slot k.
ui::Rect evaluationBounds(int k);
// The home place of card c (1 to 9).
ui::Point homeOf(int c);
// The correct-answer text of a wrong card in the left (1) or the right (2) column: the kind the
// card really is.
std::string answerOfColumn(int column);
// The kind of an attribute as the answer key names it ("" for a phrase of no known kind).
std::string kindName(std::int32_t code);

enum class CardState : std::uint8_t { Home = 0, Left = 1, Right = 2, SentHome = 3 };

// A card (TMujPanel): the phrase on a white rounded card of 150 by 21; its Tag is the code of the
// phrase (1 agreeing, 2 non-agreeing, 0 none).
class TMujPanel : public controls::DragCard {
public:
    explicit TMujPanel(int number);
    int number() const { return number_; }
    ui::Point home;
    CardState state = CardState::Home;
    bool active = true;
    // The slot the card lies in (1 to 14), 0 at home.
    int slot = 0;
    bool placed() const { return state == CardState::Left || state == CardState::Right; }
    bool atHome() const { return left() == home.x && top() == home.y; }
    void goHome() { setBounds(home.x, home.y, width(), height()); }

private:
    int number_;
};

class CardBoard final : public framework::RowPart {
public:
    // Adds the fourteen slots and the nine cards to `screen` (above what it holds already).
    // `evaluation` gives the evaluation image beside slot k.
    CardBoard(ui::Control& screen, const framework::ScreenServices& services,
              std::function<framework::EvaluationImage&(int)> evaluation);

    TMujPanel& card(int c) const { return *cards_.at(std::size_t(c - 1)); }
    ui::Image& slotImage(int k) const { return *slots_.at(std::size_t(k - 1)); }
    // The slot that card c lies in, 0 when it is not placed.
    int slotOf(int c) const { return card(c).placed() ? card(c).slot : 0; }

    // The mouse on a card (PanelMouseDown, PanelMouseUp, PanelMouseDblClick).
    bool PanelMouseDown(TMujPanel& card);
    void PanelMouseUp(TMujPanel& card, ui::Point onScreen);
    void PanelMouseDblClick(TMujPanel& card);

    void layout(int r, const framework::Sentence& s) override;
    void clear(int r) override;
    void hide(int r) override;
    bool judge(int r, const framework::Sentence& s) override;
    void clearAnswers() override;
    void closePopups() override;
    bool answered(int r) const override { return card(r).placed(); }
    bool popupOpen() const override;

private:
    void sendHome(TMujPanel& card, CardState state);

    const framework::ScreenServices& services_;
    std::function<framework::EvaluationImage&(int)> evaluation_;
    std::vector<ui::Image*> slots_;
    std::vector<TMujPanel*> cards_;
};

} // namespace ex06
