// Fonts, labels, edit fields, image lists and message boxes.
#include "Fixture.h"

#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/TextMetrics.h"

#include <SDL.h>

using namespace ui;

TEST(TextMetrics, UsesTheRealFacesAndScalesWithSize) {
    EXPECT_NE(formFontFile(false).find("LiberationSans-Regular"), std::string::npos);
    EXPECT_NE(formFontFile(true).find("LiberationSans-Bold"), std::string::npos);
    TextSize regular = measureText("Základné sklady", 12);
    EXPECT_GT(measureText("Základné sklady", 12, true).width, regular.width);
    EXPECT_LT(measureText("Základné sklady", 8).width, regular.width);
    EXPECT_GE(regular.height, 16); // 12 points are 16 pixels at 96 dpi, plus the line gap
    EXPECT_LE(regular.height, 20);
    EXPECT_EQ(measureText("", 12).width, 0);
    EXPECT_EQ(measureText("", 12).height, regular.height);
}

TEST_F(UiTest, AutoSizedLabelFollowsItsTextAndFont) {
    auto& f = screen();
    auto& l = f.add<Label>();
    l.setText("Žiak číta.");
    EXPECT_EQ(l.width(), measureText("Žiak číta.", 12).width);
    l.setFontSize(9);
    EXPECT_EQ(l.width(), measureText("Žiak číta.", 9).width);
    l.setText("");
    EXPECT_EQ(l.width(), measureText(" ", 9).width); // an empty label keeps the width of a space
    l.setAutoSize(false);
    l.setWidth(185);
    l.setText("Prívlastok zhodný");
    EXPECT_EQ(l.width(), 185);
}

TEST(TextMetrics, FitsTextsInTheNarrowFaceThenSmallerSizes) {
    EXPECT_NE(formFontFile(false, true).find("NimbusSansNarrow-Regular"), std::string::npos);
    EXPECT_NE(formFontFile(true, true).find("NimbusSansNarrow-Bold"), std::string::npos);
    const std::string text = "Príslovkové určenie spôsobu";
    const int regular = measureText(text, 11).width;
    const int narrow = measureText(text, 11, false, true).width;
    EXPECT_LT(narrow, regular * 9 / 10);
    struct Case {
        int width;
        FittedFont expected;
    } cases[] = {
        {regular, {11, false}},                               // fits as it is
        {regular - 1, {11, true}},                            // one pixel short: the narrow face
        {narrow, {11, true}},                                 // exactly the narrow width
        {narrow - 1, {10, true}},                             // then a point smaller
        {measureText(text, 9, false, true).width, {9, true}}, // as small as needed
        {10, {kMinFittedPoints, true}},                       // never below the smallest size
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitTexts({text}, c.width, 11), c.expected) << c.width;
    // A group shares the font its widest text needs; an empty group fits anywhere.
    EXPECT_EQ(fitTexts({"Podmet", text}, regular - 1, 11), (FittedFont{11, true}));
    EXPECT_EQ(fitTexts({}, 0, 11), (FittedFont{11, false}));
}

TEST_F(UiTest, FixedLabelDrawsItsTextInTheFontThatFits) {
    auto& f = screen();
    auto& l = f.add<Label>();
    l.setAutoSize(false);
    l.setBounds(10, 10, 94, 16);
    l.setFontSize(11);
    l.setText("Vetný člen?");
    EXPECT_EQ(l.drawnFont(), (FittedFont{11, false}));
    l.setText("Prísl. urč. miesta");
    EXPECT_EQ(l.drawnFont(), (FittedFont{11, true}));
    // It is drawn in that font: the ink ends where the narrow text ends, short of the box's edge
    // (the regular face would run to the edge and be cut there).
    const int narrowWidth = measureText(l.text(), 11, false, true).width;
    l.setColor(colors::White);
    l.setTransparent(false);
    app.paintNow();
    int inkRight = -1;
    for (int x = 10; x < 10 + 94; ++x)
        for (int y = 10; y < 26; ++y)
            if (!(canvasPixel(app, x, y) == colors::White)) inkRight = x;
    EXPECT_GE(inkRight, 10 + narrowWidth - 4);
    EXPECT_LE(inkRight, 10 + narrowWidth + 1);
    EXPECT_LT(inkRight, 10 + 94 - 2);
    // An automatically sized label never changes its font.
    l.setAutoSize(true);
    EXPECT_EQ(l.drawnFont(), (FittedFont{11, false}));
}

TEST_F(UiTest, EditTakesTypedSlovakTextThroughItsFilterWithinItsLimit) {
    auto& e = placed<Edit>(screen(), 10, 10, 195, 20);
    int changes = 0;
    e.OnChange = [&](Control&) { ++changes; };
    // The filter sees each character, backspace included, and may drop it.
    std::vector<std::string> seen;
    e.OnKeyPress = [&](Edit&, std::string& ch) {
        seen.push_back(ch);
        if (ch == "7") ch.clear();
    };
    bot.click(e);
    EXPECT_TRUE(e.focused());
    bot.type("Ľu7boš");
    EXPECT_EQ(e.text(), "Ľuboš");
    EXPECT_EQ(changes, 5);
    bot.key(SDLK_BACKSPACE);
    EXPECT_EQ(seen, (std::vector<std::string>{"Ľ", "u", "7", "b", "o", "š", "\b"}));
    bot.key(SDLK_HOME);
    bot.key(SDLK_DELETE);
    bot.key(SDLK_END);
    bot.type("ť");
    EXPECT_EQ(e.text(), "uboť");
    e.setMaxLength(5);
    bot.type("xyz");
    EXPECT_EQ(e.text(), "uboťx"); // the limit counts characters, not bytes
    e.setReadOnly(true);
    bot.type("a");
    bot.key(SDLK_BACKSPACE);
    EXPECT_EQ(e.text(), "uboťx"); // read-only: neither typing nor backspace changes it
}

TEST_F(UiTest, ImageListCutsAStripIntoFrames) {
    // 23 frames of 94x23, frame i filled with grey level 10 * i.
    Bitmap strip(23 * 94 + 50, 23, colors::Black); // a remainder narrower than a frame is left out
    for (int i = 0; i < 23; ++i)
        strip.fill({i * 94, 0, 94, 23}, Color::rgb(10 * i, 10 * i, 10 * i));
    ImageList list(94, 23);
    EXPECT_EQ(list.add(strip), 23);
    EXPECT_EQ(list.count(), 23);
    Image img;
    for (int i : {0, 11, 22}) {
        ASSERT_TRUE(list.copyTo(i, img));
        EXPECT_EQ(img.picture().width(), 94);
        EXPECT_EQ(img.picture().pixel(0, 0), Color::rgb(10 * i, 10 * i, 10 * i));
        EXPECT_EQ(img.picture().pixel(93, 22), Color::rgb(10 * i, 10 * i, 10 * i));
    }
    EXPECT_FALSE(list.copyTo(23, img));
    EXPECT_EQ(img.picture().pixel(0, 0), Color::rgb(220, 220, 220)); // unchanged
}

TEST_F(UiTest, MessageBoxRunsAModalLoopUntilAButtonIsChosen) {
    auto& f = screen();
    int behindClicks = 0;
    f.OnClick = [&](Control&) { ++behindClicks; };
    using platform::MessageResult;
    auto ask = [&] {
        return app.messageBoxes().show("Otázka", "Riadok 1\rRiadok 2", platform::MessageIcon::Question,
                                       platform::MessageButtons::YesNo);
    };
    app.post([&] {
        bot.click({5, 5}); // outside the box: the form behind takes nothing
        bot.click("No");
    });
    EXPECT_EQ(ask(), MessageResult::No);
    app.post([&] { bot.click("Yes"); });
    EXPECT_EQ(ask(), MessageResult::Yes);
    app.post([&] { bot.key(SDLK_ESCAPE); });
    EXPECT_EQ(ask(), MessageResult::No);
    EXPECT_EQ(behindClicks, 0);
    app.processMessages();
    EXPECT_FALSE(bot.exists("MessageBox")); // every box freed after its loop
    bot.click({5, 5});
    EXPECT_EQ(behindClicks, 1);
}
