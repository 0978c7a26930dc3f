// The message boxes drawn by the toolkit: every Slovak letter on the canvas whatever the locale (the
// suite runs this binary under LANG= and LANG=C.UTF-8), the boxes of start-up that open the window
// for themselves, and standard error where no window can be opened.
#include "Fixture.h"

#include "ui/Bitmap.h"
#include "ui/Label.h"
#include "ui/MessageBox.h"
#include "ui/Painter.h"
#include "ui/TextMetrics.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <clocale>
#include <cstdlib>

namespace {

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;
using ui::Color;

const std::string kSmall = "áäčďéíĺľňóôŕšťúýž";
const std::string kCapital = "ÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ";

// The box's title band and body (the menu's blue and the answer fields' light yellow).
constexpr Color kBand = Color::rgb(0x21, 0x59, 0x8C);
constexpr Color kBody = Color::rgb(0xFF, 0xEC, 0xB6);

// The process takes its locale from the environment, as the system's own text libraries do.
const char* const kLocale = std::setlocale(LC_ALL, "");

struct MessageBoxTest : UiTest {
    // The label on the canvas against the same text drawn by the toolkit on the label's background:
    // every pixel the same, and ink up to the text's end (a text cut short after a few letters has
    // none in its last quarter).
    void expectDrawnWhole(const ui::Label& label, const std::string& text) {
        SCOPED_TRACE(label.name());
        EXPECT_EQ(label.text(), text);
        const ui::Rect r = label.canvasRect();
        EXPECT_EQ(r.width, ui::measureText(text, label.fontSize(), label.bold()).width);
        SDL_Surface* canvas = app.canvas();
        const Color background = pixelOf(canvas, r.left, r.top + r.height - 1);
        ui::SurfacePtr reference = ui::makeSurface(r.width, r.height);
        SDL_FillRect(reference.get(), nullptr,
                     SDL_MapRGB(reference->format, background.r(), background.g(), background.b()));
        ui::Painter(reference.get(), {0, 0}, {0, 0, r.width, r.height})
            .drawText(text, 0, 0, label.fontSize(), label.bold(), label.fontColor());
        int differing = 0, inkInLastQuarter = 0;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x) {
                const Color drawn = pixelOf(canvas, r.left + x, r.top + y);
                differing += drawn != pixelOf(reference.get(), x, y);
                inkInLastQuarter += x >= r.width * 3 / 4 && drawn != background;
            }
        EXPECT_EQ(differing, 0);
        EXPECT_GT(inkInLastQuarter, 20);
    }
};

TEST_F(MessageBoxTest, EveryLetterOfTheAlphabetIsDrawnInTheBox) {
    SCOPED_TRACE(std::string("LANG=") + (std::getenv("LANG") ? std::getenv("LANG") : "(unset)") +
                 ", locale " + (kLocale ? kLocale : "(refused)"));
    // The form font has a glyph of its own for each letter, which draws some ink.
    const std::string all = kSmall + kCapital;
    auto* letters =
        reinterpret_cast<Uint32*>(SDL_iconv_string("UTF-32LE", "UTF-8", all.c_str(), all.size() + 1));
    ASSERT_NE(letters, nullptr);
    EXPECT_EQ(std::u32string(reinterpret_cast<const char32_t*>(letters)).size(), 34u);
    for (bool bold : {false, true})
        for (const Uint32* letter = letters; *letter; ++letter)
            EXPECT_TRUE(TTF_GlyphIsProvided32(ui::formFont(9, bold), *letter)) << std::hex << *letter;
    SDL_free(letters);

    screen();
    const std::string caption = "Chyba – " + kCapital;
    const std::string first = "Nemožno nájsť súbor BREVION.INI.";
    bool checked = false;
    // The box's own sizes are closed with it; fonts open before it stay open.
    TTF_Font* const before = ui::formFont(9, true);
    const std::size_t fontsBefore = ui::openFontCount();
    std::size_t fontsWithTheBox = 0;
    app.post([&] {
        app.paintNow();
        fontsWithTheBox = ui::openFontCount();
        const ui::Rect title = bot.find("Titulok").canvasRect(), last = bot.find("Riadok3").canvasRect();
        EXPECT_EQ(canvasPixel(app, title.left - 2, title.top + 2), kBand);
        expectDrawnWhole(bot.find<ui::Label>("Titulok"), caption);
        expectDrawnWhole(bot.find<ui::Label>("Riadok1"), first);
        expectDrawnWhole(bot.find<ui::Label>("Riadok2"), kSmall);
        expectDrawnWhole(bot.find<ui::Label>("Riadok3"), kCapital);
        EXPECT_EQ(canvasPixel(app, last.left, last.top + last.height), kBody);
        checked = true;
        bot.click("OK");
    });
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.messageBoxes().show(caption, first + "\r" + kSmall + "\r" + kCapital, MessageIcon::Error,
                                      MessageButtons::Ok),
              MessageResult::Ok);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(checked);
    EXPECT_NE(log.find(caption + ": " + kSmall + "\n"), std::string::npos) << log;
    EXPECT_GT(fontsWithTheBox, fontsBefore);
    EXPECT_EQ(ui::openFontCount(), fontsBefore);
    EXPECT_EQ(ui::formFont(9, true), before);
    // A second box opens them again.
    app.post([&] { bot.click("OK"); });
    EXPECT_EQ(app.messageBoxes().show(caption, first, MessageIcon::Error, MessageButtons::Ok),
              MessageResult::Ok);
    EXPECT_EQ(ui::openFontCount(), fontsBefore);
}

TEST_F(MessageBoxTest, AStartUpMessageOpensTheWindowForItselfAndClosesItAgain) {
    platform::FakeDisplay own;
    ui::StartupMessageBoxes boxes(own, clock, sound, "Brevion Lumena");
    // Enter, waiting in the queue, answers the first button once the box is up.
    SDL_Event enter{};
    enter.type = SDL_KEYDOWN;
    enter.key.keysym.sym = SDLK_RETURN;
    ASSERT_EQ(SDL_PushEvent(&enter), 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(boxes.show("Chyba", "Nemožno korektne čítať z CD-ROM Brevion.", MessageIcon::Error,
                         MessageButtons::YesNo),
              MessageResult::Yes);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_EQ(log, "Chyba: Nemožno korektne čítať z CD-ROM Brevion.\n");
    EXPECT_FALSE(own.opened) << "the window is closed again";
    EXPECT_FALSE(own.isFullscreen());
    ASSERT_NE(own.shown(), nullptr);
    // The box in the middle of the plain backdrop.
    EXPECT_EQ(pixelOf(own.shown(), 5, 5), kBand);
    int body = 0;
    for (int x = 200; x < 440; ++x)
        body += pixelOf(own.shown(), x, 240) == kBody;
    EXPECT_GT(body, 100);
}

// No display at all: the message is on standard error, a question is answered "Nie", nothing breaks.
TEST(StartupMessageBoxes, WithoutADisplayTheMessageGoesToStandardError) {
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    const std::string driver = std::getenv("SDL_VIDEODRIVER") ? std::getenv("SDL_VIDEODRIVER") : "";
    // Left to choose, SDL falls back to a window nobody sees; that counts as no display.
    unsetenv("SDL_VIDEODRIVER");
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    platform::SdlDisplay display;
    platform::FakeClock clock;
    platform::FakeSound sound;
    ui::StartupMessageBoxes boxes(display, clock, sound, "Brevion Lumena");
    testing::internal::CaptureStderr();
    const MessageResult question =
        boxes.show("Chyba", "Nemožno nájsť súbory zo zdrojmi dát.\rNainštalujte aplikáciu znova.",
                   MessageIcon::Question, MessageButtons::YesNo);
    const MessageResult ok = boxes.show("Info", "Hotovo", MessageIcon::Information, MessageButtons::Ok);
    const std::string log = testing::internal::GetCapturedStderr();
    setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
    EXPECT_EQ(question, MessageResult::No);
    EXPECT_EQ(ok, MessageResult::Ok);
    EXPECT_NE(log.find("no window for this message"), std::string::npos) << log;
}

} // namespace
