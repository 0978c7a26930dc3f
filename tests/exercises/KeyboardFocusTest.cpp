// Keys typed on an exercise screen never reach the setup screen's name field underneath: the name
// recorded is the one typed on the setup screen, on every exercise screen, before and after clicks.
#include "ExerciseFixture.h"

#include "shell/ExerciseScreens.h"
#include "shell/Setup.h"

#include <SDL_keycode.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// Generated: every exercise screen of the build.
void registerEveryScreen(shell::ExerciseScreens& screens);
std::vector<std::string> everyScreenKey();

namespace {

struct Place {
    const char* key;
    int category, slot;
};

// The menu's places of the seventeen exercises.
const Place kAllPlaces[] = {{"01", 1, 1}, {"02", 1, 2},  {"03", 1, 3}, {"04", 1, 4},  {"05", 2, 1},
                            {"06", 2, 2}, {"06b", 2, 3}, {"07", 3, 1}, {"08", 3, 2},  {"08b", 3, 3},
                            {"09", 4, 1}, {"10", 4, 2},  {"11", 4, 3}, {"11b", 4, 4}, {"13", 5, 1},
                            {"14", 5, 2}, {"12", 5, 3}};

// The places of the exercises the build has.
std::vector<Place> builtPlaces() {
    std::vector<Place> places;
    const std::vector<std::string> keys = everyScreenKey();
    for (const Place& place : kAllPlaces)
        if (std::find(keys.begin(), keys.end(), place.key) != keys.end()) places.push_back(place);
    return places;
}

class KeyboardFocus : public ExerciseTest, public ::testing::WithParamInterface<Place> {};

TEST_P(KeyboardFocus, TypingOnTheExerciseScreenLeavesTheNameAlone) {
    const Place& place = GetParam();
    writeGoodIni();
    // The shipped sentences of the exercise.
    const std::string data = std::string(place.key) + ".dat";
    std::filesystem::copy_file(std::filesystem::path(BREVION_HD_DIR) / data, hd.path / data,
                               std::filesystem::copy_options::overwrite_existing);
    registerEveryScreen(screens);
    ASSERT_TRUE(start());
    openSetup(place.category, place.slot);
    bot->type("Ema");
    bot->click("I10");
    bot->click("IPokracuj");
    ASSERT_TRUE(bot->find("MainForm" + std::string(place.key)).visible()) << place.key << ": not opened";

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
    EXPECT_EQ(setupForm()->jmeno(), "Ema") << place.key;
}

INSTANTIATE_TEST_SUITE_P(EveryExercise, KeyboardFocus, ::testing::ValuesIn(builtPlaces()),
                         [](const auto& info) { return std::string("Exercise") + info.param.key; });

} // namespace
