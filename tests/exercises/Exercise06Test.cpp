// Exercise 06 on its screen, opened from the menu: cards carried by the mouse into the slots of the
// two columns, sent home, never lost; the check by slot; the correct answer by the evaluation image.
#include "ExerciseFixture.h"

#include "exercises/06/Main06.h"
#include "shell/Hint2.h"

#include <SDL_keycode.h>

namespace {

using ex06::CardState;
using ex06::TMainForm06;
using ex06::TMujPanel;

// Phrase i: odd ones agreeing, even ones not.
std::string phrase(int i) {
    return i % 2 ? "dobrá Mama" + std::to_string(i) + "@PkS" : "Mama" + std::to_string(i) + " z dediny@PkN";
}

ui::Point centreOf(const ui::Rect& r) {
    return {r.left + r.width / 2, r.top + r.height / 2};
}

struct Exercise06Test : ExerciseTest {
    void SetUp() override {
        startExercise<TMainForm06>("06", registerScreen06, sentenceLines(phrase, 120), "I15");
    }
    TMainForm06& s() { return bot->find<TMainForm06>("MainForm06"); }
    TMujPanel& card(int c) { return s().board().card(c); }
    ui::Point cardCentre(int c) { return ui::Automation::center(card(c)); }
    // Drags card c by its centre to `to` and releases it there.
    void drop(int c, ui::Point to) { bot->drag(cardCentre(c), to); }
    void dropInSlot(int c, int slot) { drop(c, centreOf(ex06::slotBounds(slot))); }
    // A slot of the column of card c's kind, or of the other one.
    int slotFor(int c, bool right, int row) {
        const bool agreeing = card(c).tag() == ex06::kAgreeing;
        return (agreeing == right ? 0 : 7) + row;
    }
    bool atSlot(int c, int slot) {
        const ui::Rect b = ex06::slotBounds(slot);
        return card(c).left() == b.left && card(c).top() == b.top && card(c).slot == slot;
    }
    bool home(int c) { return card(c).atHome() && !card(c).placed() && !card(c).dragging(); }
};

TEST_F(Exercise06Test, ACardFollowsThePointerAndIsTakenByAFreeSlot) {
    ASSERT_EQ(s().flow().rowsOnPage(), 9);
    for (int c = 1; c <= 9; ++c) {
        EXPECT_EQ(card(c).label().text(), s().sentenceOfRow(c)[0].text);
        EXPECT_EQ(card(c).tag(), s().sentenceOfRow(c)[0].code);
        EXPECT_EQ(card(c).bounds(), (ui::Rect{ex06::homeOf(c).x, ex06::homeOf(c).y, 150, 21}));
    }
    const ui::Point from = cardCentre(1);
    bot->moveTo(from);
    const int clicks = countSounds("\\Sound\\Click.wav");
    bot->press(from);
    EXPECT_EQ(countSounds("\\Sound\\Click.wav"), clicks + 1);
    bot->moveTo({from.x + 30, from.y - 100});
    EXPECT_EQ(card(1).left(), ex06::homeOf(1).x + 30);
    EXPECT_EQ(card(1).top(), ex06::homeOf(1).y - 100);
    EXPECT_EQ(s().children().back().get(), &card(1)) << "carried in front of everything";
    // The frame of a move repaints only the card's old and new places.
    const ui::Rect was{ex06::homeOf(1).x, ex06::homeOf(1).y, 150, 21}, now = card(1).bounds();
    EXPECT_FALSE(display.lastWhole);
    ASSERT_EQ(display.lastChanged.size(), 2u);
    for (const SDL_Rect& r : display.lastChanged) {
        const ui::Rect changed{r.x, r.y, r.w, r.h};
        EXPECT_TRUE(changed == was || changed == now) << r.x << "," << r.y << " " << r.w << "x" << r.h;
    }
    const ui::Point slot3 = centreOf(ex06::slotBounds(3));
    bot->moveTo(slot3);
    bot->release(slot3);
    EXPECT_TRUE(atSlot(1, 3));
    EXPECT_EQ(card(1).state, CardState::Left);
    EXPECT_EQ(s().board().slotImage(3).tag(), card(1).tag());

    // An occupied slot takes no other card; a placed card cannot be carried away.
    dropInSlot(2, 3);
    EXPECT_TRUE(home(2));
    drop(1, centreOf(ex06::slotBounds(10)));
    EXPECT_TRUE(atSlot(1, 3));
    dropInSlot(2, 12);
    EXPECT_EQ(card(2).state, CardState::Right);
    EXPECT_TRUE(atSlot(2, 12));
}

// The pointer must lie strictly inside a free slot; anywhere else, in or out of the window, the
// card goes back home.
TEST_F(Exercise06Test, ACardReleasedOutsideEveryFreeSlotGoesHome) {
    const ui::Rect slot = ex06::slotBounds(1);
    const std::vector<std::pair<ui::Point, bool>> drops = {
        {{95, 146}, false},  {{244, 146}, false}, {{150, 136}, false}, {{150, 156}, false},
        {{96, 137}, true},   {{243, 155}, true},  {{320, 250}, false}, {{20, 470}, false},
        {{700, 150}, false}, {{-40, -30}, false}, {{320, 900}, false},
    };
    for (const auto& [at, taken] : drops) {
        drop(4, at);
        EXPECT_EQ(atSlot(4, 1), taken) << at.x << "," << at.y;
        EXPECT_EQ(home(4), !taken) << at.x << "," << at.y;
        EXPECT_EQ(s().board().slotImage(1).tag(), taken ? card(4).tag() : 0);
        if (taken) bot->doubleClick(centreOf(slot));
    }
    // Carried out of the window, the card follows; released there, it is home again.
    const ui::Point from = cardCentre(5);
    bot->moveTo(from);
    bot->press(from);
    bot->moveTo({660, 500});
    EXPECT_EQ(card(5).left(), ex06::homeOf(5).x + 660 - from.x);
    bot->release({660, 500});
    EXPECT_TRUE(home(5));
}

TEST_F(Exercise06Test, ADoubleClickSendsAPlacedCardHomeAndItCanBePlacedAgain) {
    dropInSlot(6, 2);
    ASSERT_TRUE(atSlot(6, 2));
    bot->doubleClick(cardCentre(6));
    EXPECT_TRUE(card(6).atHome());
    EXPECT_EQ(card(6).state, CardState::Home) << "the double click's second press wakes it";
    EXPECT_EQ(s().board().slotImage(2).tag(), 0);
    EXPECT_FALSE(card(6).dragging()) << "the second press of the double click picks nothing up";
    // Moved to the other column: the first slot is free for another card.
    dropInSlot(6, 9);
    EXPECT_TRUE(atSlot(6, 9));
    dropInSlot(7, 2);
    EXPECT_TRUE(atSlot(7, 2));
    // A double click on a card at home does nothing but pick it up and put it back.
    bot->doubleClick(cardCentre(8));
    EXPECT_TRUE(home(8));
}

// A drag cut short by the keyboard does not leave the card in the air: Escape takes it home
// instead of leaving the screen, Enter takes it home and checks the page.
TEST_F(Exercise06Test, AKeyDuringADragTakesTheCardHome) {
    bot->moveTo(cardCentre(3));
    bot->press(cardCentre(3));
    bot->moveTo({200, 200});
    bot->key(SDLK_ESCAPE);
    EXPECT_TRUE(home(3));
    EXPECT_TRUE(bot->exists("MainForm06"));
    bot->release({200, 200});
    EXPECT_TRUE(home(3));

    dropInSlot(1, 1);
    bot->moveTo(cardCentre(2));
    bot->press(cardCentre(2));
    bot->moveTo(centreOf(ex06::slotBounds(8)));
    bot->key(SDLK_RETURN);
    bot->release(centreOf(ex06::slotBounds(8)));
    EXPECT_TRUE(home(2)) << "judged at home, it stays there";
    EXPECT_EQ(s().flow().right() + s().flow().wrong(), 9);
}

// Every placed card is judged by its column, every other card is wrong; the ninth card, left at
// home over the continue button, is hidden while the page is checked.
TEST_F(Exercise06Test, TheCheckJudgesEachCardByItsColumnAndShowsTheCorrectAnswer) {
    dropInSlot(1, slotFor(1, true, 1));
    dropInSlot(2, slotFor(2, true, 2));
    dropInSlot(3, slotFor(3, false, 3));
    dropInSlot(4, slotFor(4, true, 4));
    dropInSlot(5, slotFor(5, true, 5));
    bot->doubleClick(cardCentre(5)); // sent home and not touched again
    const int wrongSlot = slotFor(3, false, 3);
    bot->click("IKontr");
    EXPECT_EQ(s().flow().right(), 3);
    EXPECT_EQ(s().flow().wrong(), 6) << "one in the wrong column and five not placed";
    EXPECT_FALSE(card(9).visible());
    for (int k = 1; k <= 14; ++k) {
        const framework::EvaluationImage& image = s().evaluationImage(k);
        const bool used = k == slotFor(1, true, 1) || k == slotFor(2, true, 2) || k == wrongSlot ||
                          k == slotFor(4, true, 4);
        EXPECT_EQ(image.hasPicture(), used) << k;
        EXPECT_EQ(image.clickable, k == wrongSlot) << k;
        if (used) {
            const char* verdict =
                k == wrongSlot ? "\\Bitmap\\Games\\check_ko.bmp" : "\\Bitmap\\Games\\check_ok.bmp";
            EXPECT_TRUE(samePicture(image.picture(), cdPicture(verdict))) << k;
        }
    }
    // Checked cards stay where they are.
    drop(6, centreOf(ex06::slotBounds(7)));
    bot->doubleClick(cardCentre(1));
    EXPECT_TRUE(home(6));
    EXPECT_TRUE(card(1).placed());

    // The correct answer: the kind the card really is, the bubble's right edge 8 pixels right of
    // the image's left edge and its top 16 pixels below the image's.
    framework::EvaluationImage& image = s().evaluationImage(wrongSlot);
    EXPECT_EQ(image.tag(), wrongSlot <= 7 ? 1 : 2);
    press(image);
    auto& hint = bot->find<shell::THintForm2>("HintForm2");
    EXPECT_EQ(hint.bounds(), (ui::Rect{image.left() + 8 - 212, image.top() + 16, 212, 37}));
    EXPECT_EQ(hint.HL->text(),
              card(3).tag() == ex06::kAgreeing ? "Prívlastok zhodný" : "Prívlastok nezhodný");
    release(image);
    app().processMessages();
    EXPECT_FALSE(bot->exists("HintForm2"));

    // The next page: every card home, shown and free to move, the slots and images empty.
    bot->click("IPokracuj");
    ASSERT_EQ(s().flow().pageOffset(), 9);
    for (int c = 1; c <= 9; ++c) {
        EXPECT_TRUE(home(c) && card(c).visible() && card(c).active) << c;
        EXPECT_EQ(card(c).label().text(), s().sentenceOfRow(c)[0].text);
    }
    for (int k = 1; k <= 14; ++k) {
        EXPECT_FALSE(s().evaluationImage(k).hasPicture() || s().evaluationImage(k).clickable);
        EXPECT_EQ(s().evaluationImage(k).tag(), k);
        EXPECT_EQ(s().board().slotImage(k).tag(), 0);
    }
    dropInSlot(9, 14);
    EXPECT_TRUE(atSlot(9, 14));
}

// New examples bring the placed cards home with the new phrases; leaving with placed cards asks.
TEST_F(Exercise06Test, NewExamplesBringTheCardsHome) {
    dropInSlot(1, 1);
    dropInSlot(2, 9);
    bot->click("INove");
    for (int c = 1; c <= 9; ++c) {
        EXPECT_TRUE(home(c)) << c;
        EXPECT_EQ(card(c).tag(), s().sentenceOfRow(c)[0].code);
    }
    EXPECT_EQ(s().board().slotImage(1).tag(), 0);
    EXPECT_FALSE(s().uncheckedAnswers());
    dropInSlot(1, 1);
    EXPECT_TRUE(s().uncheckedAnswers());
}

} // namespace
