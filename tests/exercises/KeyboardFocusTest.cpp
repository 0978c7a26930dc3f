// Keys typed on an exercise screen never reach the setup screen's name field underneath: the name
// recorded is the one typed on the setup screen, on every exercise screen, before and after clicks.
#include "ExerciseFixture.h"

#include "shell/ExerciseScreens.h"
#include "shell/Setup.h"

#include <SDL_keycode.h>

#include <filesystem>
#include <string>
#include <vector>

// Generated: every exercise screen of the build.
void registerEveryScreen(shell::ExerciseScreens& screens);
std::vector<std::string> everyScreenKey();

namespace {

class KeyboardFocus : public ExerciseTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(KeyboardFocus, TypingOnTheExerciseScreenLeavesTheNameAlone) {
    const std::string& key = GetParam();
    writeGoodIni();
    // The shipped sentences of the exercise.
    const std::string data = key + ".dat";
    std::filesystem::copy_file(std::filesystem::path(BREVION_HD_DIR) / data, hd.path / data,
                               std::filesystem::copy_options::overwrite_existing);
    registerEveryScreen(screens);
    ASSERT_TRUE(start());
    openSetup(menuPlace(key).category, menuPlace(key).slot);
    bot->type("Ema");
    bot->click("I10");
    bot->click("IPokracuj");
    ASSERT_TRUE(bot->find("MainForm" + key).visible()) << key << ": not opened";

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
    EXPECT_EQ(setupForm()->jmeno(), "Ema") << key;
}

INSTANTIATE_TEST_SUITE_P(EveryExercise, KeyboardFocus, ::testing::ValuesIn(everyScreenKey()),
                         [](const auto& info) { return "Exercise" + info.param; });

} // namespace
