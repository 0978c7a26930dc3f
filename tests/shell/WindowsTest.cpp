// The help window and the hint bubbles.
#include "ShellFixture.h"

#include "shell/Hint.h"
#include "shell/Hint2.h"
#include "shell/Hint3.h"

struct WindowsTest : ShellTest {
    void SetUp() override {
        writeGoodIni();
        ASSERT_TRUE(start());
    }
};

TEST_F(WindowsTest, HelpShowsTheLatestPictureAndHidesAtAClick) {
    shell::THelpForm& help = *helpForm();
    menuForm()->ukazNapovedu("\\Bitmap\\Help\\01.bmp");
    EXPECT_TRUE(help.visible());
    EXPECT_TRUE(samePicture(help.picture(), cdPicture("\\Bitmap\\Help\\01.bmp")));
    menuForm()->ukazNapovedu("\\Bitmap\\Help\\13.bmp");
    EXPECT_TRUE(samePicture(help.picture(), cdPicture("\\Bitmap\\Help\\13.bmp")));

    bot->click(ui::Point{600, 400});
    EXPECT_FALSE(help.visible());
    EXPECT_EQ(app().activeForm(), menuForm());
}

TEST_F(WindowsTest, HintBubblesTakeTheMouseOnlyInsideTheirOutline) {
    auto& hint = app().create<shell::THintForm>(env());
    hint.setBounds(0, 0, 605, 57);
    hint.show();
    app().processMessages();
    EXPECT_EQ(hint.children().front().get(), hint.IHint); // the picture lies behind the label
    ui::Control* inside = app().controlAt({300, 30});
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(inside->form(), &hint);
    ui::Control* outside = app().controlAt({600, 50});
    ASSERT_NE(outside, nullptr);
    EXPECT_EQ(outside->form(), menuForm());

    auto& hint2 = app().create<shell::THintForm2>(env());
    EXPECT_FALSE(hint2.containsPoint({211, 30}));
    EXPECT_TRUE(hint2.containsPoint({100, 20}));

    auto& hint3 = app().create<shell::THintForm3>(env());
    EXPECT_TRUE(hint3.containsPoint({300, 20}));
    EXPECT_FALSE(hint3.containsPoint({600, 35}));

    // A closed hint frees itself.
    const auto forms = app().stack().size();
    hint.close();
    app().processMessages();
    EXPECT_EQ(app().stack().size(), forms - 1);
}
