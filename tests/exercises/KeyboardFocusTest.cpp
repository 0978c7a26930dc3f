// Keys typed on an exercise screen never reach the setup screen's name field underneath: the name
// recorded is the one typed on the setup screen, on every exercise screen, before and after clicks.
#include "ExerciseFixture.h"

#include "shell/ExerciseScreens.h"
#include "shell/Setup.h"

#include <SDL_keycode.h>

void registerScreen01(shell::ExerciseScreens&);
void registerScreen02(shell::ExerciseScreens&);
void registerScreen03(shell::ExerciseScreens&);
void registerScreen04(shell::ExerciseScreens&);
void registerScreen05(shell::ExerciseScreens&);
void registerScreen06(shell::ExerciseScreens&);
void registerScreen06b(shell::ExerciseScreens&);
void registerScreen07(shell::ExerciseScreens&);
void registerScreen08(shell::ExerciseScreens&);
void registerScreen08b(shell::ExerciseScreens&);
void registerScreen09(shell::ExerciseScreens&);
void registerScreen10(shell::ExerciseScreens&);
void registerScreen11(shell::ExerciseScreens&);
void registerScreen11b(shell::ExerciseScreens&);
void registerScreen12(shell::ExerciseScreens&);
void registerScreen13(shell::ExerciseScreens&);
void registerScreen14(shell::ExerciseScreens&);

namespace {

struct Place {
    const char* key;
    int category, slot;
};

// The menu's places of the seventeen exercises.
const Place kPlaces[] = {{"01", 1, 1}, {"02", 1, 2},  {"03", 1, 3}, {"04", 1, 4},  {"05", 2, 1},
                         {"06", 2, 2}, {"06b", 2, 3}, {"07", 3, 1}, {"08", 3, 2},  {"08b", 3, 3},
                         {"09", 4, 1}, {"10", 4, 2},  {"11", 4, 3}, {"11b", 4, 4}, {"13", 5, 1},
                         {"14", 5, 2}, {"12", 5, 3}};

class KeyboardFocus : public ExerciseTest, public ::testing::WithParamInterface<Place> {};

TEST_P(KeyboardFocus, TypingOnTheExerciseScreenLeavesTheNameAlone) {
    const Place& place = GetParam();
    writeGoodIni(); // the shipped sentence files
    for (auto* add :
         {registerScreen01, registerScreen02, registerScreen03, registerScreen04, registerScreen05,
          registerScreen06, registerScreen06b, registerScreen07, registerScreen08, registerScreen08b,
          registerScreen09, registerScreen10, registerScreen11, registerScreen11b, registerScreen12,
          registerScreen13, registerScreen14})
        add(screens);
    ASSERT_TRUE(start());
    openSetup(place.category, place.slot);
    bot->type("Ema");
    bot->click("I10");
    bot->click("IPokracuj");
    ui::Form* front = app().activeForm();
    ASSERT_NE(front, nullptr);
    ASSERT_NE(front, env().SetupForm) << place.key << ": the exercise screen did not open";

    // Before any click, then after clicks on the rows and the page.
    bot->type("XYZ");
    for (int i = 0; i < 4; ++i)
        bot->key(SDLK_BACKSPACE);
    for (const ui::Point p :
         {ui::Point{150, 120}, ui::Point{300, 200}, ui::Point{450, 300}, ui::Point{320, 400}}) {
        bot->click(p);
        app().processMessages();
        bot->type("XYZ");
        for (int i = 0; i < 4; ++i)
            bot->key(SDLK_BACKSPACE);
    }
    EXPECT_EQ(env().Jmeno(), "Ema") << place.key;
}

INSTANTIATE_TEST_SUITE_P(EveryExercise, KeyboardFocus, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string("Exercise") + info.param.key; });

} // namespace
