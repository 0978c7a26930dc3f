// Not a test: a small screen built from the toolkit, with its tooltip and a message box, written
// to build/ui-demo.bmp and build/ui-demo-message.bmp for people to look at. Run by hand:
//   build/tests/ui/ui_demo && convert build/ui-demo.bmp ui-demo.png
#include "Fixture.h"

#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Shape.h"

using namespace ui;

namespace {

// A sky over a meadow.
Bitmap scenery() {
    Bitmap b(640, 480, Color::rgb(110, 170, 240));
    b.fill({0, 330, 640, 150}, Color::rgb(60, 150, 60));
    return b;
}

Bitmap buttonPicture(bool lit) {
    Bitmap b(140, 44, lit ? Color::rgb(255, 200, 40) : Color::rgb(230, 140, 20));
    b.fill({0, 0, 140, 3}, colors::White);
    b.fill({0, 41, 140, 3}, Color::rgb(120, 60, 0));
    return b;
}

std::string outputPath(const char* name) {
    return std::string(BREVION_BINARY_DIR) + "/" + name;
}

} // namespace

TEST_F(UiTest, DemoScreen) {
    auto& f = screen();
    auto& background = placed<Image>(f, 0, 0, 640, 480);
    background.setPicture(scenery());

    auto& title = placed<Label>(f, 24, 20, 0, 0);
    title.setText("Určovanie vetných členov");
    title.setFontSize(20);
    title.setBold(true);
    title.setFontColor(colors::White);
    title.setTransparent(true);

    auto& sentence = placed<Label>(f, 24, 90, 0, 0);
    sentence.setText("Žltý kôň ďaleko cválal po lúke.");
    sentence.setTransparent(true);

    auto& name = placed<Edit>(f, 24, 170, 195, 22);
    name.setText("Ľubica");
    name.setFocus();

    auto& ring = f.add<Shape>();
    ring.setKind(ShapeKind::Ellipse);
    ring.setBounds(260, 160, 60, 40);
    ring.setPenWidth(3);
    ring.setPenColor(colors::Blue);

    auto& button = placed<Image>(f, 24, 220, 140, 44);
    button.setPicture(buttonPicture(false));
    auto& caption = f.add<Label>();
    caption.setAutoSize(false);
    caption.setBounds(24, 220, 140, 44);
    caption.setAlignment(Alignment::Center);
    caption.setLayout(TextLayout::Center);
    caption.setTransparent(true);
    caption.setText("Pokračuj");
    caption.OnMouseEnter = [&](Control&) {
        button.setPicture(buttonPicture(true));
        app.setScreenCursor(CursorHand);
    };
    caption.OnMouseLeave = [&](Control&) {
        button.setPicture(buttonPicture(false));
        app.setScreenCursor(CursorArrow);
    };
    caption.setHint("Ďalšia strana\r\nvetných rozborov");
    caption.setShowHint(true);

    bot.hover(caption);
    bot.advance(600); // the tooltip
    bot.screenshot(outputPath("ui-demo.bmp"));
    const Bitmap shot = Bitmap::load(outputPath("ui-demo.bmp"));
    EXPECT_EQ(shot.width(), 640);
    EXPECT_EQ(shot.pixel(600, 400), canvasPixel(app, 600, 400));

    app.post([&] {
        bot.screenshot(outputPath("ui-demo-message.bmp"));
        bot.click("Yes");
    });
    EXPECT_EQ(app.messageBoxes().show("Ukončenie aplikácie", "Skutočne chcete ukončiť tento program?",
                                      platform::MessageIcon::Question, platform::MessageButtons::YesNo),
              platform::MessageResult::Yes);
}
