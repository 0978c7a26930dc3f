// Writes a screenshot of a checked first page of every exercise screen, drawn with a fixed seed
// from the build's sentence files, to the folder named by BREVION_SHOTS_DIR, and one of the
// correct-answer window of each of the first two wrong rows ("<key>_answer<row>.bmp"); on the
// comma screens a few commas are placed first, some right and some wrong. Two builds' folders
// compared picture by picture (e.g. `compare -metric AE a.bmp b.bmp null:`) show whether a change
// moved a pixel of any screen. Not part of the test suite: it asserts nothing about the pictures.
#include "../exercises/ExerciseFixture.h"

#include "exercises/01/Main01.h"
#include "exercises/02/Main02.h"
#include "exercises/03/Main03.h"
#include "exercises/04/Main04.h"
#include "exercises/05/Main05.h"
#include "exercises/06/Main06.h"
#include "exercises/06b/Main06b.h"
#include "exercises/07/Main07.h"
#include "exercises/08/Main08.h"
#include "exercises/08b/Main08b.h"
#include "exercises/09/Main09.h"
#include "exercises/10/Main10.h"
#include "exercises/11/Main11.h"
#include "exercises/11b/Main11b.h"
#include "exercises/12/Main12.h"
#include "exercises/13/Main13.h"
#include "exercises/14/Main14.h"
#include "framework/ExerciseScreen.h"
#include "framework/Random.h"

#include <cstdlib>
#include <filesystem>

namespace {

struct Shot {
    const char* key;
    int code;
    ui::Form& (*create)(const framework::ExerciseContext&, framework::RandomSource&);
};

template <class Screen>
ui::Form& make(const framework::ExerciseContext& context, framework::RandomSource& random) {
    return context.app.create<Screen>(context, &random);
}

const Shot kShots[] = {
    {"01", 1, make<ex01::TMainForm01>},      {"02", 2, make<ex02::TMainForm02>},
    {"03", 3, make<ex03::TMainForm03>},      {"04", 4, make<ex04::TMainForm04>},
    {"05", 5, make<ex05::TMainForm05>},      {"06b", 62, make<ex06b::TMainForm06b>},
    {"07", 7, make<ex07::TMainForm07>},      {"08", 8, make<ex08::TMainForm08>},
    {"08b", 82, make<ex08b::TMainForm08b>},  {"09", 9, make<ex09::TMainForm09>},
    {"10", 10, make<ex10::TMainForm10>},     {"11", 11, make<ex11::TMainForm11>},
    {"11b", 112, make<ex11b::TMainForm11b>}, {"12", 12, make<ex12::TMainForm12>},
    {"13", 13, make<ex13::TMainForm13>},     {"14", 14, make<ex14::TMainForm14>},
    {"06", 6, make<ex06::TMainForm06>},
};

struct Screenshots : ExerciseTest, ::testing::WithParamInterface<Shot> {};

TEST_P(Screenshots, CheckedFirstPage) {
    const char* folder = std::getenv("BREVION_SHOTS_DIR");
    if (!folder) GTEST_SKIP() << "BREVION_SHOTS_DIR names no folder";
    const Shot shot = GetParam();
    framework::SeededRandom random(7);
    writeGoodIni();
    std::filesystem::copy_file(std::filesystem::path(BREVION_HD_DIR) / (std::string(shot.key) + ".dat"),
                               hd.path / (std::string(shot.key) + ".dat"),
                               std::filesystem::copy_options::overwrite_existing);
    screens.add(shot.code, [&](const framework::ExerciseContext& context) -> ui::Form& {
        return shot.create(context, random);
    });
    ASSERT_TRUE(start());
    openSetup(menuPlace(shot.key).category, menuPlace(shot.key).slot);
    bot->type("Ema");
    bot->click("I10");
    bot->click("IPokracuj");
    const std::string key = shot.key;
    if (key == "06b" || key == "08b" || key == "14")
        for (const char* word : {"Slovo1_1", "Slovo2_2", "Slovo3_1", "Slovo3_3"})
            if (bot->find(word).visible()) bot->click(word);
    bot->click("IKontr");
    app().processMessages();
    bot->screenshot((std::filesystem::path(folder) / (key + ".bmp")).string());

    auto& screen = bot->find<framework::ExerciseScreen>("MainForm" + key);
    int shown = 0;
    for (int r = 1; r <= screen.flow().rowsOnPage() && shown < 2; ++r) {
        if (!screen.evaluationImage(r).clickable) continue;
        press(screen.evaluationImage(r));
        app().processMessages();
        bot->screenshot(
            (std::filesystem::path(folder) / (key + "_answer" + std::to_string(r) + ".bmp")).string());
        release(screen.evaluationImage(r));
        ++shown;
    }
}

INSTANTIATE_TEST_SUITE_P(Exercises, Screenshots, ::testing::ValuesIn(kShots),
                         [](const auto& info) { return std::string("e") + info.param.key; });

} // namespace
