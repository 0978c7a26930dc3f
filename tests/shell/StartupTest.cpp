// Start-up and the end of the program, in-process on fake services.
#include "ShellFixture.h"

#include "platform/errors.h"

namespace fs = std::filesystem;
using platform::MessageIcon;

TEST_F(ShellTest, StartsInOrderAndEndsRestoringTheDisplay) {
    writeGoodIni();
    const std::uint32_t t0 = clock.ticks();
    ASSERT_TRUE(start());
    EXPECT_TRUE(systemBoxes.shown.empty());
    EXPECT_TRUE(windowBoxes.shown.empty());
    EXPECT_TRUE(display.opened);
    EXPECT_TRUE(display.isFullscreen());
    EXPECT_EQ(app().title(), "Brevion Lumena");
    EXPECT_EQ(env().CestaCD, cd); // less its trailing backslash
    EXPECT_EQ(env().Znamky.size(), 5u);
    // The intro stayed its ten seconds and is gone; the long-lived screens exist.
    EXPECT_GE(clock.ticks() - t0, 10000u);
    EXPECT_LT(clock.ticks() - t0, 10100u);
    EXPECT_FALSE(introForm()->visible());
    EXPECT_EQ(app().mainForm(), menuForm());

    app().terminate();
    EXPECT_EQ(program->finish(), 0);
    EXPECT_FALSE(display.opened);
}

TEST_F(ShellTest, WithoutFullScreenItTellsAndRunsInAWindow) {
    writeGoodIni();
    display.fullscreenPossible = false;
    ASSERT_TRUE(start());
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_EQ(windowBoxes.shown[0].caption, "Chyba prepnutia zobrazovacieho módu");
    EXPECT_EQ(windowBoxes.shown[0].text, "            Grafická karta neumožňuje okamžité prepnutie\rdo "
                                         "celoobrazovkového módu. Aplikácia bude spúšťaná v okne.");
    EXPECT_EQ(windowBoxes.shown[0].icon, MessageIcon::Information);
    EXPECT_TRUE(display.opened);
    EXPECT_FALSE(display.isFullscreen());
}

TEST_F(ShellTest, BadGradesFileEndsWithTheDataFilesMessage) {
    writeGoodIni();
    writeFile(hd.path / "Znamky.dat", "0|x|5\r\n");
    EXPECT_FALSE(start());
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    EXPECT_EQ(windowBoxes.shown[0].text,
              "Nemožno načítať grafické alebo dátové súbory.\rAplikácia bude ukončená.");
    EXPECT_EQ(program->finish(), 1);
}

TEST_F(ShellTest, AnIniThatIsAFolderGetsTheIniMessage) {
    fs::create_directories(config.path / "Brevion.ini");
    EXPECT_FALSE(start());
    ASSERT_EQ(systemBoxes.shown.size(), 1u);
    EXPECT_EQ(systemBoxes.shown[0].text, "Nemožno nájsť súbor BREVION.INI. Nainštalujte aplikáciu znova.");
    EXPECT_EQ(program->finish(), 1);
}

TEST_F(ShellTest, IntroWaitCountsFromItsShowingAndEndsAtAClick) {
    writeGoodIni();
    ASSERT_TRUE(start());
    shell::TIntroForm& intro = *introForm();

    // Time spent after the showing (creating the other screens) counts towards the ten seconds.
    intro.show();
    const std::uint32_t shown = clock.ticks();
    intro.CasZavreni = shown + 10000;
    clock.advance(4000);
    intro.Zaviradlo();
    EXPECT_EQ(clock.ticks() - shown, 10000u);
    EXPECT_FALSE(intro.visible());

    intro.show();
    intro.CasZavreni = clock.ticks() + 10000;
    bot->click(ui::Point{320, 240});
    const std::uint32_t clicked = clock.ticks();
    intro.Zaviradlo();
    EXPECT_LT(clock.ticks() - clicked, 100u);
    EXPECT_FALSE(intro.visible());
}

// The menu's error handler, for an error raised inside an event handler as a screen would.
class ErrorHandler : public ShellTest, public ::testing::WithParamInterface<int> {};

TEST_P(ErrorHandler, MapsErrorKindsToTheThreeOutcomes) {
    struct Case {
        std::exception_ptr error;
        const char* textStart;
        bool ends;
    };
    const Case cases[] = {
        {std::make_exception_ptr(platform::ConversionError("1.5")), "Možné zlé nastavenie reprezentácie",
         true},
        {std::make_exception_ptr(platform::PrinterError("none", true)),
         "Nie je nainštalovaná žiadna tlačiareň.", false},
        {std::make_exception_ptr(platform::FileError("/x/P01.res", "cannot read")),
         "Nemožno načítať grafické alebo dátové súbory.\rAplikácia bude ukončená.", true},
        {std::make_exception_ptr(platform::PrinterError("refused", false)), "Nemožno načítať grafické", true},
    };
    const Case& c = cases[GetParam()];
    writeGoodIni();
    ASSERT_TRUE(start());
    menuForm()->IBrevion->OnClick = [&](ui::Control&) { std::rethrow_exception(c.error); };
    bot->click("IBrevion");
    ASSERT_EQ(windowBoxes.shown.size(), 1u);
    const auto& shown = windowBoxes.shown[0];
    EXPECT_EQ(shown.text.rfind(c.textStart, 0), 0u) << shown.text;
    EXPECT_EQ(shown.caption, c.ends ? "Chyba aplikácie" : "Upozornenie pri tlači");
    EXPECT_EQ(shown.icon, c.ends ? MessageIcon::Error : MessageIcon::Information);
    EXPECT_EQ(app().terminated(), c.ends);
    app().terminate();
    EXPECT_EQ(program->finish(), c.ends ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ErrorHandler, ::testing::Range(0, 4));
