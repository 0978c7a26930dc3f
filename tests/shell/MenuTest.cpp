// The exercise menu: categories, slot layouts, slot binding, the end question.
#include "ShellFixture.h"

struct MenuTest : ShellTest {
    shell::TSelectForm* menu = nullptr;
    void SetUp() override {
        writeGoodIni();
        ASSERT_TRUE(start());
        menu = menuForm();
    }
    controls::TObrazek& slot(int k) { return *menu->IRight[std::size_t(k - 1)]; }
};

// Slots before a category is open, and the open category clicked again: no sound, no change.
TEST_F(MenuTest, SlotsBeforeACategoryAndTheOpenCategoryAgainDoNothing) {
    bot->hover(slot(1));
    bot->click(slot(1));
    EXPECT_TRUE(sound.played.empty());
    EXPECT_FALSE(slot(1).hasPicture());
    EXPECT_EQ(menu->KodHry, 0);
    EXPECT_EQ(setupForm(), nullptr);

    bot->click("ILeft4");
    sound.played.clear();
    bot->click("ILeft4");
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(menu->ILeft[3]->tag(), 0);
}

TEST_F(MenuTest, LayoutsChangeOnlyBetweenThreeAndFourSlots) {
    bot->click("ILeft2");
    EXPECT_EQ(menu->AktivniKategorie, 2);
    EXPECT_EQ(slot(1).bounds(), (ui::Rect{333, 140, 300, 102}));
    EXPECT_EQ(slot(3).bounds(), (ui::Rect{333, 333, 300, 105}));
    EXPECT_FALSE(slot(4).visible());
    EXPECT_TRUE(samePicture(slot(3).picture(), cdPicture("\\Bitmap\\Select\\r_06b_0.bmp")));

    // 2 -> 3 keeps the three-slot layout: the slots are not reset (their Tag would become 1).
    for (int k = 1; k <= 3; ++k)
        slot(k).setTag(7);
    bot->click("ILeft3");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(slot(k).tag(), 7);
        EXPECT_TRUE(slot(k).visible());
    }
    EXPECT_TRUE(samePicture(menu->ILeft[1]->picture(), cdPicture("\\Bitmap\\Select\\l_2_0.bmp")));
    EXPECT_TRUE(samePicture(menu->ILeft[2]->picture(), cdPicture("\\Bitmap\\Select\\l_3_1.bmp")));

    // 3 -> 1 changes to four slots and shows IRight4.
    bot->click("ILeft1");
    EXPECT_TRUE(slot(4).visible());
    EXPECT_EQ(slot(4).bounds(), (ui::Rect{333, 355, 300, 83}));
    EXPECT_EQ(slot(2).bounds(), (ui::Rect{333, 219, 300, 69}));
    EXPECT_EQ(slot(1).tag(), 1);
    EXPECT_TRUE(samePicture(slot(4).picture(), cdPicture("\\Bitmap\\Select\\r_04_0.bmp")));
}

TEST_F(MenuTest, HoveredSlotLightsAndCategoryFiveThirdSlotOpensTwelve) {
    bot->click("ILeft5");
    bot->hover(slot(3));
    EXPECT_EQ(app().screenCursor(), shell::crRuka);
    EXPECT_TRUE(samePicture(slot(3).picture(), cdPicture("\\Bitmap\\Select\\r_12_1.bmp")));
    EXPECT_TRUE(samePicture(slot(1).picture(), cdPicture("\\Bitmap\\Select\\r_13_0.bmp")));
    bot->hover(slot(1));
    EXPECT_TRUE(samePicture(slot(3).picture(), cdPicture("\\Bitmap\\Select\\r_12_0.bmp")));
    bot->hover(slot(3));
    bot->click(slot(3));
    EXPECT_EQ(menu->KodHry, 12);
    ASSERT_NE(setupForm(), nullptr);
    EXPECT_TRUE(setupForm()->visible());
    EXPECT_TRUE(samePicture(setupForm()->Pozadi->picture(), cdPicture("\\Bitmap\\Setup\\bckg12.bmp")));
}

TEST_F(MenuTest, EndAsksAndOnlyYesEnds) {
    windowBoxes.answers = {platform::MessageResult::No, platform::MessageResult::Yes};
    bot->click("ILeft1");
    bot->click("IKonec");
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_EQ(windowBoxes.shown[0].caption, "Ukončenie aplikácie");
    EXPECT_EQ(windowBoxes.shown[0].text, "Skutočne chcete ukončiť tento program?");
    EXPECT_EQ(windowBoxes.shown[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(windowBoxes.shown[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_FALSE(app().terminated());
    EXPECT_TRUE(menu->visible());
    EXPECT_EQ(menu->AktivniKategorie, 1);

    bot->click("IKonec");
    EXPECT_TRUE(app().terminated());
}
