// The setup screen: name and number, the button animations, help, continue and print.
#include "ShellFixture.h"

#include <SDL.h>

#include <algorithm>

namespace {

constexpr std::uint32_t kAnimationMs = 23 * 20;

// What a stand-in exercise screen saw when it was created.
struct Created {
    bool printMode;
    int runLength;
};

} // namespace

struct SetupTest : ShellTest {
    shell::TSetupForm* setup = nullptr;
    std::vector<Created> created;

    // Opens the setup screen of the exercise in `slot` of `category`.
    void open(int category, int slot) {
        writeGoodIni();
        screens.add(1, [this](const framework::ExerciseContext& context) -> ui::Form& {
            created.push_back({context.setup.printMode(), context.setup.runLength()});
            auto& f = context.app.create<ui::Form>();
            f.setName("Exercise");
            if (context.setup.printMode()) f.close(); // a print closes its screen at once
            return f;
        });
        ASSERT_TRUE(start());
        openSetup(category, slot);
        setup = setupForm();
        ASSERT_NE(setup, nullptr);
    }
    controls::TObrazek& number(int i) { return *setup->ICisla[std::size_t(i)]; }
    bool showing(const controls::TObrazek& b, const char* relative) {
        return samePicture(b.picture(), cdPicture(relative));
    }
};

TEST_F(SetupTest, NameBeforeNumberKeepsBothDisabledThenEachAnimatesOnce) {
    open(1, 1);
    EXPECT_EQ(menuForm()->KodHry, 1);
    EXPECT_FALSE(setup->LNedostupne->visible());
    // What would corrupt a table line (the field separator, a letter Windows-1250 lacks) is refused
    // with a beep.
    bot->type("J|á");
    bot->type("ж");
    bot->type("n");
    EXPECT_EQ(setup->jmeno(), "Ján");
    EXPECT_EQ(std::count(sound.played.begin(), sound.played.end(), "<beep>"), 2);
    EXPECT_FALSE(setup->IPokracuj->enabled());
    EXPECT_FALSE(setup->ITiskni->enabled());
    EXPECT_TRUE(showing(*setup->IPokracuj, "\\Bitmap\\Setup\\pokrac3.bmp"));
    EXPECT_TRUE(showing(*setup->ITiskni, "\\Bitmap\\Setup\\tiskni1.bmp"));

    std::uint32_t t = clock.ticks();
    bot->click(number(1));
    EXPECT_EQ(clock.ticks() - t, 2 * kAnimationMs); // 23 frames of each, 20 ms apart
    EXPECT_EQ(menuForm()->PocetPrikladu, 15);
    EXPECT_TRUE(setup->IPokracuj->enabled());
    EXPECT_TRUE(setup->ITiskni->enabled());
    EXPECT_TRUE(samePicture(setup->IPokracuj->picture(), setup->ILPokracuj.frame(22)));
    EXPECT_TRUE(samePicture(setup->LevaSipka->picture(), setup->ILSipka.frame(1)));

    // Another number: no animation again; the previous number's picture is cleared.
    t = clock.ticks();
    bot->click(number(4));
    EXPECT_EQ(clock.ticks(), t);
    EXPECT_EQ(menuForm()->PocetPrikladu, 30);
    EXPECT_FALSE(number(1).hasPicture());
}

TEST_F(SetupTest, DeletingTheNameDisablesContinueAndTypingAgainReplaysIt) {
    open(1, 1);
    bot->click(number(0));
    bot->type("A");
    ASSERT_TRUE(setup->IPokracuj->enabled());
    bot->key(SDLK_BACKSPACE);
    EXPECT_EQ(setup->jmeno(), "");
    EXPECT_FALSE(setup->IPokracuj->enabled());
    EXPECT_TRUE(showing(*setup->IPokracuj, "\\Bitmap\\Setup\\pokrac3.bmp"));
    EXPECT_TRUE(setup->ITiskni->enabled()); // a number is still chosen

    // Entering the disabled button: no sound, normal cursor.
    sound.played.clear();
    bot->hover(*setup->IPokracuj);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(app().screenCursor(), shell::crSipka);

    const std::uint32_t t = clock.ticks();
    bot->type(" "); // only spaces still count as a name
    EXPECT_EQ(clock.ticks() - t, kAnimationMs);
    EXPECT_TRUE(setup->IPokracuj->enabled());
}

TEST_F(SetupTest, ExerciseSixUsesItsOwnNumbersAndHelp) {
    open(2, 2);
    EXPECT_EQ(menuForm()->KodHry, 6);
    EXPECT_TRUE(showing(number(0), "\\Bitmap\\Setup\\09_0.bmp"));
    bot->click(number(2));
    EXPECT_EQ(menuForm()->PocetPrikladu, 27);
    EXPECT_TRUE(showing(number(2), "\\Bitmap\\Setup\\27_1.bmp"));
    bot->click(*setup->IBrevion);
    EXPECT_EQ(helpForm()->Cesta, env().cd("\\Bitmap\\Help\\setup06.bmp"));
}

TEST_F(SetupTest, ContinueAndPrintCreateTheExerciseScreenOfTheCode) {
    open(1, 1);
    bot->type("Eva");
    bot->click(number(2));
    bot->click(*setup->ITiskni);
    ASSERT_EQ(created.size(), 1u);
    EXPECT_TRUE(created[0].printMode);
    EXPECT_FALSE(setup->RezimTisku);
    EXPECT_TRUE(setup->visible());

    bot->click(*setup->IPokracuj);
    ASSERT_EQ(created.size(), 2u);
    EXPECT_FALSE(created[1].printMode);
    EXPECT_EQ(created[1].runLength, 20);
    EXPECT_EQ(app().activeForm()->name(), "Exercise"); // shown above the setup screen
}

TEST_F(SetupTest, CodesWithoutAScreenSaySoOpenNothingAndBackFreesTheSetup) {
    open(1, 2);
    EXPECT_TRUE(setup->LNedostupne->visible());
    bot->type("Eva");
    bot->click(number(0));
    // The buttons stay unlit: a click on them would lead nowhere.
    EXPECT_FALSE(setup->IPokracuj->enabled());
    EXPECT_FALSE(setup->ITiskni->enabled());
    EXPECT_TRUE(showing(*setup->IPokracuj, "\\Bitmap\\Setup\\pokrac3.bmp"));
    EXPECT_TRUE(showing(*setup->ITiskni, "\\Bitmap\\Setup\\tiskni1.bmp"));
    const auto formsBefore = app().stack().size();
    bot->click(*setup->IPokracuj);
    bot->click(*setup->ITiskni);
    EXPECT_TRUE(created.empty());
    EXPECT_EQ(app().stack().size(), formsBefore);

    bot->click(*setup->IZpet);
    EXPECT_EQ(setupForm(), nullptr);
    EXPECT_EQ(app().stack().size(), formsBefore - 1);
    EXPECT_TRUE(menuForm()->visible());
}
