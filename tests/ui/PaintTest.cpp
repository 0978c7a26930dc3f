// What ends up on the canvas: pictures, transparency, shaped forms, and repainting only what
// changed.
#include "Fixture.h"

#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

using namespace ui;

namespace {

constexpr Color kGreen = Color::rgb(0, 160, 0);
constexpr Color kYellow = Color::rgb(255, 255, 0);

// Counts its paints.
struct Counter : Control {
    int paints = 0;
    void paint(Painter& p) override {
        ++paints;
        p.fillRect(clientRect(), colors::White);
    }
};

} // namespace

TEST_F(UiTest, TransparentLabelShowsThePictureBetweenItsLetters) {
    auto& f = screen();
    auto& picture = placed<Image>(f, 0, 0, 200, 100);
    picture.setPicture(Bitmap(200, 100, kGreen));
    auto& label = f.add<Label>();
    label.setLeft(10);
    label.setTop(10);
    label.setText("Mama má Emu");
    label.setTransparent(true);
    app.paintNow();
    int dark = 0, green = 0;
    for (int y = label.top(); y < label.top() + label.height(); ++y)
        for (int x = label.left(); x < label.left() + label.width(); ++x) {
            Color c = canvasPixel(app, x, y);
            dark += c.r() < 100 && c.g() < 100 && c.b() < 100;
            green += c == kGreen;
        }
    EXPECT_GT(dark, 50);    // the letters
    EXPECT_GT(green, dark); // and the picture around them

    label.setTransparent(false);
    label.setColor(kYellow);
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, label.left(), label.top()), kYellow);
    EXPECT_EQ(canvasPixel(app, label.left() + label.width(), label.top()), kGreen); // just beside it
}

TEST_F(UiTest, TransparentImageLeavesOutTheColourOfItsBottomLeftPixel) {
    auto& f = screen();
    f.setColor(kYellow);
    auto& img = placed<Image>(f, 0, 0, 10, 10);
    Bitmap b(10, 10, kGreen);
    b.fill({0, 0, 5, 10}, colors::White);
    img.setPicture(b);
    img.setTransparent(true);
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 1, 1), kYellow);
    EXPECT_EQ(canvasPixel(app, 7, 1), kGreen);
    img.clearPicture();
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 7, 1), kYellow);
}

TEST_F(UiTest, ImageCanvasDrawsLinesWithPenColourAndWidth) {
    auto& f = screen();
    auto& img = placed<Image>(f, 0, 0, 40, 20);
    img.canvas().penColor = colors::Red;
    img.canvas().penWidth = 2;
    img.canvas().moveTo(5, 10);
    img.canvas().lineTo(25, 10);
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 5, 9), colors::Red);
    EXPECT_EQ(canvasPixel(app, 24, 10), colors::Red);
    EXPECT_EQ(canvasPixel(app, 25, 10), colors::White); // the end point is left out
    EXPECT_EQ(canvasPixel(app, 10, 11), colors::White); // two pixels wide: rows 9 and 10
}

// The speech bubble of the hint windows: 13 corners, even-odd rule.
const std::vector<Point> kBubble = {{0, 20},   {1, 16},   {7, 10},   {10, 9},  {584, 9}, {604, 1}, {597, 19},
                                    {597, 46}, {593, 53}, {586, 57}, {10, 57}, {4, 53},  {0, 46}};

TEST_F(UiTest, AShapedFormIsPaintedAndHitOnlyInsideItsOutline) {
    auto& below = screen();
    below.setColor(kYellow);
    auto& target = placed<Panel>(below, 580, 40, 60, 30);
    target.setColor(kYellow);
    target.setBevel(Bevel::None);
    int belowClicks = 0;
    target.OnClick = [&](Control&) { ++belowClicks; };

    auto& bubble = app.create<Form>();
    bubble.setBounds(0, 0, 605, 57);
    bubble.setStayOnTop(true);
    bubble.setColor(kGreen);
    bubble.setRegion(kBubble);
    int bubbleClicks = 0;
    bubble.OnClick = [&](Control&) { ++bubbleClicks; };
    bubble.show();
    app.paintNow();

    EXPECT_EQ(canvasPixel(app, 300, 30), kGreen);
    EXPECT_EQ(canvasPixel(app, 600, 50), kYellow); // outside the outline: the form below shows
    EXPECT_EQ(canvasPixel(app, 601, 3), kGreen);   // the tip of the bubble
    EXPECT_EQ(canvasPixel(app, 1, 55), kYellow);   // a cut corner
    bot.click({600, 50});
    bot.click({300, 30});
    EXPECT_EQ(belowClicks, 1);
    EXPECT_EQ(bubbleClicks, 1);
}

TEST_F(UiTest, AFormHidesTheFormsBeneathOnlyWithinItsRectangle) {
    auto& below = screen();
    below.setColor(kYellow);
    auto& reaching = placed<Panel>(below, 80, 80, 100, 60); // reaches out from under the dialog
    reaching.setBevel(Bevel::None);
    reaching.setColor(kYellow);
    auto& hidden = placed<Counter>(below, 150, 120, 20, 20); // wholly under the dialog
    auto& dialog = app.create<Form>();
    dialog.setBounds(100, 100, 200, 100);
    dialog.setColor(kGreen);
    dialog.show();
    app.paintNow();

    // An area within the dialog leaves the form beneath unpainted; one across its edge does not.
    const int paints = hidden.paints;
    app.invalidate({140, 110, 50, 50});
    app.paintNow();
    EXPECT_EQ(hidden.paints, paints);
    reaching.setColor(colors::Red);
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 90, 90), colors::Red);
    EXPECT_EQ(canvasPixel(app, 120, 120), kGreen);

    dialog.hide();
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 120, 120), colors::Red);
    EXPECT_EQ(canvasPixel(app, 160, 130), colors::White);
    EXPECT_EQ(canvasPixel(app, 250, 150), kYellow);

    // Where no form lies the canvas is black.
    below.hide();
    dialog.show();
    dialog.setLeft(300);
    app.paintNow();
    EXPECT_EQ(canvasPixel(app, 120, 120), colors::Black);
    EXPECT_EQ(canvasPixel(app, 350, 150), kGreen);
}

TEST_F(UiTest, EveryChangeOfAChildsPlaceReachesTheCanvas) {
    auto& f = screen();
    f.setColor(kYellow);
    auto panel = [](Control& parent, int x, int y, Color c) -> Panel& {
        auto& p = placed<Panel>(parent, x, y, 40, 40);
        p.setBevel(Bevel::None);
        p.setColor(c);
        return p;
    };
    auto at = [&](int x, int y) {
        app.paintNow();
        return canvasPixel(app, x, y);
    };
    auto& red = panel(f, 100, 100, colors::Red);
    EXPECT_EQ(at(120, 120), colors::Red);
    red.setLeft(200);
    EXPECT_EQ(at(120, 120), kYellow);
    EXPECT_EQ(at(220, 120), colors::Red);
    red.setWidth(80);
    EXPECT_EQ(at(270, 120), colors::Red);

    auto& green = panel(f, 220, 100, kGreen);
    EXPECT_EQ(at(230, 120), kGreen);
    green.sendToBack();
    EXPECT_EQ(at(230, 120), colors::Red);
    green.bringToFront();
    EXPECT_EQ(at(230, 120), kGreen);
    green.hide();
    EXPECT_EQ(at(230, 120), colors::Red);
    green.show();
    EXPECT_EQ(at(230, 120), kGreen);
    std::unique_ptr<Control> removed = f.remove(green);
    EXPECT_EQ(at(230, 120), colors::Red);
    removed->setLeft(100); // placed before it joins again
    f.adopt(std::move(removed));
    EXPECT_EQ(at(120, 120), kGreen);

    // A child of a child.
    auto& inner = panel(red, 10, 10, colors::Blue);
    EXPECT_EQ(at(215, 115), colors::Blue);
    inner.setLeft(40);
    EXPECT_EQ(at(215, 115), colors::Red);
    EXPECT_EQ(at(245, 115), colors::Blue);
    inner.hide();
    EXPECT_EQ(at(245, 115), colors::Red);
}

TEST_F(UiTest, OnlyInvalidControlsArePaintedAgain) {
    auto& f = screen();
    auto& one = placed<Counter>(f, 0, 0, 50, 50);
    auto& two = placed<Counter>(f, 100, 0, 50, 50);
    app.paintNow();
    int presents = display.presents;
    ASSERT_EQ(one.paints, 1);
    app.processMessages(); // nothing changed: nothing painted
    EXPECT_EQ(one.paints, 1);
    one.setTag(3); // not a visual change
    two.setLeft(110);
    app.processMessages();
    EXPECT_EQ(one.paints, 1);
    EXPECT_EQ(two.paints, 2);
    EXPECT_EQ(display.presents, presents); // the window is not open in this test
}

// The screenshot hook writes the canvas pixel for pixel, and reading that file again gives the new
// screenshot, not a picture of the same name read before.
TEST_F(UiTest, AScreenshotIsTheCanvasAndIsReadBackAsWritten) {
    auto& f = screen();
    auto& picture = placed<Image>(f, 0, 0, 640, 480);
    Bitmap meadow(640, 480, Color::rgb(110, 170, 240));
    meadow.fill({0, 330, 640, 150}, kGreen);
    picture.setPicture(meadow);
    placed<Label>(f, 24, 90, 0, 0).setText("Žltý kôň ďaleko cválal po lúke.");
    const std::string path = ::testing::TempDir() + "screenshot-" + std::to_string(::getpid()) + ".bmp";
    for (Color sky : {Color::rgb(110, 170, 240), kYellow}) {
        meadow.fill({0, 0, 640, 330}, sky);
        picture.setPicture(meadow);
        bot.screenshot(path);
        const Bitmap shot = Bitmap::load(path);
        ASSERT_EQ(shot.width(), 640);
        ASSERT_EQ(shot.height(), 480);
        int differing = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                differing += shot.pixel(x, y) != canvasPixel(app, x, y);
        EXPECT_EQ(differing, 0);
        EXPECT_EQ(shot.pixel(600, 10), sky);
    }
    std::remove(path.c_str());
}
