// The keyboard on the setup and exercise screens, and the question before unchecked answers are left:
// Enter continues from the setup screen only when the continue button is lit; on an exercise screen
// Enter checks and then continues, F1 opens the help, Escape closes an open list before it goes back,
// and going back asks first while the page holds answers that have not been checked.
#include "ExerciseFixture.h"

#include "exercises/07/Main07.h"
#include "exercises/14/Main14.h"
#include "framework/Tooltips.h"
#include "shell/Setup.h"
#include "ui/Label.h"

#include <SDL.h>

namespace {

using platform::MessageResult;

struct KeyboardTest : ExerciseTest {
    void open14(const std::string& number = "I10") {
        openExerciseSetup("14", registerScreen14, numberedSentences("Keď N prší, sedíme doma.", 30), "Ema",
                          number);
    }
    ex14::TMainForm14& s14() { return bot->find<ex14::TMainForm14>("MainForm14"); }
    bool screenOpen(const char* name) { return bot->exists(name); }
};

TEST_F(KeyboardTest, EnterOnTheSetupScreenContinuesOnlyWhenTheButtonIsLit) {
    open14();
    shell::TSetupForm& setup = *setupForm();
    EXPECT_EQ(setup.IPokracuj->hint(), "Pokračovať (Enter)");
    for (int i = 0; i < 3; ++i) // "Ema" erased: continuing is no longer possible
        bot->key(SDLK_BACKSPACE);
    ASSERT_FALSE(setup.IPokracuj->enabled());
    bot->key(SDLK_RETURN);
    EXPECT_FALSE(screenOpen("MainForm14")) << "Enter went on without a name";
    bot->type("Eva");
    bot->key(SDLK_KP_ENTER);
    ASSERT_TRUE(screenOpen("MainForm14"));
    EXPECT_TRUE(s14().visible());
}

TEST_F(KeyboardTest, EnterChecksThenContinuesAndF1OpensTheHelp) {
    open14();
    bot->key(SDLK_RETURN);
    ex14::TMainForm14& s = s14();
    EXPECT_EQ(s.T->hint(), framework::kHelpHint);
    EXPECT_EQ(s.IKontr->hint(), framework::kCheckHint);
    EXPECT_EQ(s.IZpet->hint(), framework::kBackHint);
    EXPECT_EQ(s.IPokracuj->hint(), framework::kContinueHint);

    ASSERT_FALSE(bot->find("HelpForm").visible());
    bot->key(SDLK_F1);
    EXPECT_TRUE(bot->find("HelpForm").visible());
    bot->click(bot->find("HelpForm")); // a click puts the help away
    ASSERT_FALSE(bot->find("HelpForm").visible());

    bot->click(s.rows().label(1, 3)); // the comma after "prší" of row 1: right
    bot->key(SDLK_RETURN);
    ASSERT_TRUE(s.evaluated()) << "the first Enter checks";
    EXPECT_EQ(s.flow().right(), 1);
    EXPECT_EQ(s.flow().wrong(), 9);
    bot->key(SDLK_RETURN);
    EXPECT_TRUE(bot->messages().empty()) << "a checked page leaves without a question";
    expectRecorded("14", "Čiarka v súvetí", 1, 9);
}

// A run of 25 is two full pages and a half page; each page says where the pupil is.
TEST_F(KeyboardTest, ThePageOfTheRunIsShownOnEveryPage) {
    open14("I25");
    bot->key(SDLK_RETURN);
    ex14::TMainForm14& s = s14();
    for (const char* page : {"Strana 1 z 3", "Strana 2 z 3", "Strana 3 z 3"}) {
        EXPECT_EQ(s.LStrana->text(), page);
        EXPECT_TRUE(s.LStrana->visible());
        bot->key(SDLK_RETURN); // check
        bot->key(SDLK_RETURN); // continue
    }
    EXPECT_FALSE(screenOpen("MainForm14")) << "the third page ended the run";
}

TEST_F(KeyboardTest, LeavingUncheckedAnswersAsksFirstNoStaysOnThePageAndYesLeavesWithoutAResult) {
    open14();
    bot->key(SDLK_RETURN);
    ex14::TMainForm14& s = s14();
    const std::string results = readFile(hd.path / "P14.res");

    struct Case {
        const char* how;
        bool escape;
        MessageResult answer;
    };
    for (const Case c : {Case{"Escape", true, MessageResult::No}, Case{"Späť", false, MessageResult::No},
                         Case{"Escape", true, MessageResult::Yes}}) {
        SCOPED_TRACE(c.how);
        windowBoxes.shown.clear();
        windowBoxes.answers = {c.answer};
        bot->click(s.rows().label(2, 2));
        if (c.escape)
            bot->key(SDLK_ESCAPE);
        else
            bot->click("IZpet");
        ASSERT_EQ(windowBoxes.shown.size(), 1u);
        EXPECT_EQ(windowBoxes.shown[0].buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(windowBoxes.shown[0].icon, platform::MessageIcon::Question);
        if (c.answer == MessageResult::Yes) break;
        ASSERT_TRUE(screenOpen("MainForm14")) << "Nie keeps the page";
        EXPECT_EQ(s.rows().commas(2), 1) << "and its answers";
        bot->click(s.rows().eraser(2));
    }
    EXPECT_FALSE(screenOpen("MainForm14"));
    EXPECT_TRUE(setupForm() && setupForm()->visible());
    EXPECT_EQ(readFile(hd.path / "P14.res"), results) << "a run left early records nothing";

    windowBoxes.shown.clear();
    bot->click("IPokracuj");
    bot->key(SDLK_ESCAPE);
    EXPECT_TRUE(windowBoxes.shown.empty()) << "a page without answers leaves at once";
    EXPECT_FALSE(screenOpen("MainForm14"));
}

TEST_F(KeyboardTest, EscapeClosesAnOpenListBeforeItGoesBack) {
    auto& s = startExercise<ex07::TMainForm07>("07", registerScreen07,
                                               numberedSentences("Jano N prišiel.@Oznamovaci", 12));
    bot->click(s.choosers().chooser(1));
    ASSERT_TRUE(s.choosers().list().visible());
    bot->key(SDLK_ESCAPE);
    EXPECT_FALSE(s.choosers().list().visible());
    EXPECT_TRUE(screenOpen("MainForm07")) << "the first Escape only closes the list";
    EXPECT_TRUE(windowBoxes.shown.empty());

    bot->click(s.choosers().chooser(1));
    bot->click(s.choosers().list().item(0)); // an answer: leaving now asks
    windowBoxes.answers = {MessageResult::No};
    bot->key(SDLK_ESCAPE);
    EXPECT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_TRUE(screenOpen("MainForm07"));
}

} // namespace
