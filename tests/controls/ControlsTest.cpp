// The screen controls: image button, tiled panel, filtered edit field, single-instance guard.
#include "../ui/Fixture.h"

#include "controls/GRAlignEdit.h"
#include "controls/JustOne.h"
#include "controls/Obrazek.h"
#include "controls/bmpPanel.h"

using namespace controls;
using ui::Color;

namespace {

// A form holding the guard, configured in its constructor as the menu does.
struct GuardedForm : ui::Form {
    TXJustOne& guard;
    GuardedForm(ui::Application& app, std::unique_ptr<platform::SingleInstance> instance,
                bool switchToPrevious, int* alreadyExist)
        : Form(app), guard(addComponent<TXJustOne>(app, std::move(instance))) {
        guard.SwitchToPrevious = switchToPrevious;
        guard.AlreadyExist = [alreadyExist](TXJustOne&) { ++*alreadyExist; };
    }
};

struct ControlsTest : UiTest {
    ui::Form* form = nullptr;
    platform::FakeSingleInstance* instance = nullptr; // of the last guarded form
    int already = 0;                                  // AlreadyExist events

    void SetUp() override {
        app.setMessageBoxes(boxes);
        form = &screen();
        form->setColor(Color::rgb(1, 2, 3));
    }

    Color pixel(int x, int y) {
        app.paintNow();
        return canvasPixel(app, x, y);
    }

    // A form holding a guard; `othersRunning`: a copy of the program holds the title already.
    GuardedForm& guarded(bool othersRunning, bool switchToPrevious) {
        auto owned = std::make_unique<platform::FakeSingleInstance>();
        owned->othersRunning = othersRunning;
        instance = owned.get();
        return app.create<GuardedForm>(std::move(owned), switchToPrevious, &already);
    }
};

constexpr Color kMark = Color::rgb(255, 0, 0);
constexpr Color kTile = Color::rgb(0, 128, 0);
constexpr Color kPanel = Color::rgb(0, 0, 200);

} // namespace

TEST(ImageButton, LitPictureHasAnHBeforeItsExtension) {
    EXPECT_EQ(TObrazek::litPicturePath("\\Bitmap\\Setup\\zpet.bmp"), "\\Bitmap\\Setup\\zpeth.bmp");
    EXPECT_EQ(TObrazek::litPicturePath("\\Bitmap\\zpet"), "\\Bitmap\\zpeth");
}

TEST_F(ControlsTest, PanelTilesItsBitmapFromTheTopLeftCorner) {
    auto& panel = placed<TbmpPanel>(*form, 0, 0, 100, 50);
    panel.setBevel(ui::Bevel::None);
    panel.setColor(kPanel);
    EXPECT_EQ(pixel(50, 25), kPanel); // no bitmap: a plain panel

    ui::Bitmap tile(40, 30, kTile);
    tile.fill({0, 0, 1, 1}, kMark); // marks the corner of each tile
    panel.setBitmap(tile);
    tile.fill({0, 0, 40, 30}, kMark); // the panel holds its own copy
    for (int y : {0, 30})
        for (int x : {0, 40, 80})
            EXPECT_EQ(pixel(x, y), kMark) << x << "," << y;
    EXPECT_EQ(pixel(1, 1), kTile);
    EXPECT_EQ(pixel(99, 49), kTile); // the last row and column are cut by the edge
    EXPECT_EQ(pixel(100, 0), form->color());
    EXPECT_EQ(pixel(0, 50), form->color());
}

TEST_F(ControlsTest, PositiveNumberFieldRefusesMinusAndLettersAndTellsTheUser) {
    auto& e = form->add<TGRAlignEdit>();
    e.GrTextType = TTextType::Numbers;
    e.GrOnlyPositive = true;
    e.GrMessage = "Zadajte číslo.";
    int errors = 0;
    e.OnGrError = [&](ui::Control&) { ++errors; };
    e.setFocus();
    const std::string sep = TGRAlignEdit::decimalSeparator();
    bot.type("7-a" + sep + "5");
    EXPECT_EQ(e.text(), "7" + sep + "5");
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(sound.played, (std::vector<std::string>{"<beep>", "<beep>"}));
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Zadajte číslo.");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Error);
    EXPECT_EQ(boxes.shown[0].buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(e.GrValid());
    EXPECT_DOUBLE_EQ(e.GrValue(), 7.5);
    EXPECT_EQ(e.GrLastText(), "7" + sep);
    bot.key(SDLK_BACKSPACE); // backspace is a character the filter accepts
    EXPECT_EQ(e.text(), "7" + sep);

    e.GrIncDecSeparator = false;
    e.GrBeep = false;
    e.GrMessage.clear();
    bot.type(sep);
    EXPECT_EQ(e.text(), "7" + sep);
    EXPECT_EQ(errors, 3);
    EXPECT_EQ(sound.played.size(), 2u); // no beep this time
    EXPECT_EQ(boxes.shown.size(), 2u);  // and no message
}

TEST_F(ControlsTest, FieldsOfAllCharactersAndOfLettersRefuseOnlyWhatTheirKindExcludes) {
    const struct {
        TTextType type;
        const char* typed;
        const char* kept;
        std::size_t beeps;
    } cases[] = {{TTextType::All, "ab", "ab", 0}, {TTextType::Letters, "Ján3-ť", "Ján-ť", 1}};
    for (const auto& c : cases) {
        auto& e = form->add<TGRAlignEdit>();
        e.GrTextType = c.type;
        e.setFocus();
        sound.played.clear();
        bot.type(c.typed);
        EXPECT_EQ(e.text(), c.kept);
        EXPECT_FALSE(e.GrValid()); // no number
        EXPECT_EQ(e.GrValue(), 0);
        EXPECT_EQ(sound.played.size(), c.beeps);
    }
}

TEST_F(ControlsTest, SignedNumberFieldGoesBackToItsLastReadableText) {
    auto& e = form->add<TGRAlignEdit>();
    e.GrTextType = TTextType::Numbers;
    int changes = 0;
    e.OnChange = [&](ui::Control&) { ++changes; };
    e.setFocus();
    bot.type("-");
    EXPECT_EQ(e.text(), "-"); // a number being begun stays
    EXPECT_FALSE(e.GrValid());
    bot.type("4");
    EXPECT_DOUBLE_EQ(e.GrValue(), -4);
    changes = 0;
    bot.type("-"); // "-4-" cannot be read
    EXPECT_EQ(e.text(), "-4");
    EXPECT_TRUE(e.GrValid());
    EXPECT_DOUBLE_EQ(e.GrValue(), -4);
    EXPECT_EQ(changes, 2); // the change to "-4-" and the one back

    auto& positive = form->add<TGRAlignEdit>(); // with only positive numbers nothing goes back
    positive.GrTextType = TTextType::Numbers;
    positive.GrOnlyPositive = true;
    const std::string sep = TGRAlignEdit::decimalSeparator();
    positive.setFocus();
    bot.type("1" + sep + sep);
    EXPECT_EQ(positive.text(), "1" + sep + sep);
    EXPECT_FALSE(positive.GrValid());
}

TEST(GRAlignEditNumbers, ReadsDecimalNumbersWithTheGivenSeparatorOnly) {
    EXPECT_EQ(TGRAlignEdit::parseNumber("2,5", ","), 2.5);
    EXPECT_EQ(TGRAlignEdit::parseNumber(" -0,25 ", ","), -0.25);
    EXPECT_EQ(TGRAlignEdit::parseNumber("+3", ","), 3.0);
    EXPECT_EQ(TGRAlignEdit::parseNumber("1e3", ","), 1000.0);
    EXPECT_EQ(TGRAlignEdit::parseNumber("2.5", "."), 2.5);
    for (const char* bad : {"", "-", ",", "2.5", "1,2,3", "1e", "inf", "nan", "0x10", "5a", "--5"})
        EXPECT_FALSE(TGRAlignEdit::parseNumber(bad, ",").has_value()) << bad;
    EXPECT_FALSE(TGRAlignEdit::parseNumber("1e999", ",").has_value());
}

TEST_F(ControlsTest, RightAlignedFieldDrawsItsTextAtTheRightEdge) {
    auto& e = placed<TGRAlignEdit>(*form, 0, 0, 100, 20);
    e.setBorder(false);
    e.setAlignment(ui::Alignment::Right);
    e.setText("7");
    app.paintNow();
    auto darkIn = [&](int from, int to) {
        int n = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = from; x < to; ++x)
                n += canvasPixel(app, x, y).g() < 100;
        return n;
    };
    EXPECT_EQ(darkIn(0, 70), 0);
    EXPECT_GT(darkIn(85, 100), 5);
}

TEST_F(ControlsTest, FirstCopyHoldsTheTitleAndComesForwardWhenALaterCopyAsks) {
    app.setTitle("Brevion Lumena");
    auto& f = guarded(false, true);
    EXPECT_TRUE(f.guard.holdsLock());
    f.loaded(); // acts once only
    EXPECT_EQ(already, 0);
    EXPECT_FALSE(app.terminated());
    instance->simulateLaterCopy();
    app.processMessages();
    EXPECT_EQ(display.broughtForward, 1);
}

TEST_F(ControlsTest, LaterCopyBringsTheFirstForwardUnlessToldNotToAndEnds) {
    auto& f = guarded(true, true);
    EXPECT_FALSE(f.guard.holdsLock());
    EXPECT_EQ(already, 1);
    EXPECT_EQ(instance->forwardRequests, 1);
    EXPECT_TRUE(app.terminated());
    guarded(true, false);
    EXPECT_EQ(already, 2);
    EXPECT_EQ(instance->forwardRequests, 0);
}
