// The generated CD tree holds every picture the screens load, at the size of the control that
// shows it, in a form SDL can load, and the two sounds.
#include <gtest/gtest.h>

#include <ui/PictureFile.h>

#include <SDL.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Expected {
    int width, height;
};

const std::vector<std::string> keys{"01",  "02", "03", "04", "05",  "06", "06b", "07", "08",
                                    "08b", "09", "10", "11", "11b", "12", "13",  "14"};

// Every picture named by the screens, with the size of the control that shows it.
std::map<std::string, Expected> expectedPictures() {
    std::map<std::string, Expected> m;
    for (const auto& k : keys) {
        m["Bitmap/Games/" + k + "bckg.bmp"] = {640, 480};
        m["Bitmap/Setup/bckg" + k + ".bmp"] = {640, 480};
        m["Bitmap/Help/" + k + ".bmp"] = {640, 480};
        m["Bitmap/Tab/" + k + ".bmp"] = {640, 480};
    }
    for (const char* p : {"Bitmap/Select/bckg.bmp", "Bitmap/Intro/bckgrnd.bmp", "Bitmap/Help/setup.bmp",
                          "Bitmap/Help/setup06.bmp", "Bitmap/Help/autori.bmp"})
        m[p] = {640, 480};

    // toolbar and back/end buttons, normal and lit
    for (const char* stem :
         {"Games/mkont", "Games/mnove", "Games/mtab", "Games/mzpet", "Setup/zpet", "Select/konec"})
        for (const char* lit : {"", "h"})
            m[std::string("Bitmap/") + stem + lit + ".bmp"] = {91, 75};
    // the menu's sound switch: off and on, normal and lit
    for (const char* state : {"0", "1"})
        for (const char* lit : {"", "h"})
            m[std::string("Bitmap/Select/zvuk") + state + lit + ".bmp"] = {32, 32};
    // tool buttons: normal, hover, selected
    for (const char* tool : {"po", "pr", "sm", "hl", "ve"})
        for (int state = 0; state < 3; ++state)
            m["Bitmap/Games/ctrl_" + std::string(tool) + std::to_string(state) + ".bmp"] = {96, 59};
    for (const char* choice :
         {"02_h", "02_r", "02_n", "03_poj", "03_prj", "03_zaj", "03_cis", "03_slov", "03_cit", "04_slov",
          "04_jmss", "04_h", "04_r", "04_n", "11b_vvlo", "11b_vsuv", "13_sou", "13_pod"})
        m["Bitmap/Games/" + std::string(choice) + ".bmp"] = {58, 32};
    for (const char* wide : {"08_jedno", "08_dvoj", "05_cudl", "07_cudl", "09_cudl", "11_cudl"})
        m["Bitmap/Games/" + std::string(wide) + ".bmp"] = {116, 32};
    const std::pair<const char*, Expected> games[] = {
        {"08b_cudl", {141, 32}}, {"06b_guma", {38, 30}}, {"08b_guma", {27, 30}}, {"14_guma", {27, 30}},
        {"check_ok", {32, 32}},  {"check_ko", {32, 32}}, {"hint", {605, 57}},    {"hint_2", {212, 37}},
        {"hint_3", {605, 37}},   {"blue", {627, 182}},
    };
    for (const auto& [name, size] : games)
        m["Bitmap/Games/" + std::string(name) + ".bmp"] = size;

    // continue and print: one disabled picture and a strip of 23 frames
    for (const char* p : {"Bitmap/Setup/pokrac1.bmp", "Bitmap/Setup/pokrac3.bmp", "Bitmap/Games/pokrac1.bmp"})
        m[p] = {94, 23};
    for (const char* p : {"Bitmap/Setup/pokrac2.bmp", "Bitmap/Setup/pokrac4.bmp", "Bitmap/Games/pokrac2.bmp"})
        m[p] = {94 * 23, 23};
    m["Bitmap/Setup/tiskni1.bmp"] = {96, 23};
    m["Bitmap/Setup/tiskni2.bmp"] = {96 * 23, 23};

    // setup: arrow frames and number buttons (the first button is narrower)
    for (const char* n : {"10", "15", "20", "25", "30"})
        m["Bitmap/Setup/sipka_" + std::string(n) + ".bmp"] = {88, 100};
    for (const auto& row : {std::vector<std::string>{"10", "15", "20", "25", "30"},
                            std::vector<std::string>{"09", "18", "27", "36", "45"}})
        for (std::size_t i = 0; i < row.size(); ++i)
            for (const char* state : {"_0", "_1"})
                m["Bitmap/Setup/" + row[i] + state + ".bmp"] = {i == 0 ? 35 : 43, 29};

    // menu: category buttons and the exercise slots sized by their category's layout
    for (int c = 1; c <= 5; ++c)
        for (int open = 0; open < 2; ++open)
            m["Bitmap/Select/l_" + std::to_string(c) + "_" + std::to_string(open) + ".bmp"] = {300, 53};
    const std::vector<std::vector<std::string>> slots{{"01", "02", "03", "04"},
                                                      {"05", "06", "06b"},
                                                      {"07", "08", "08b"},
                                                      {"09", "10", "11", "11b"},
                                                      {"13", "14", "12"}};
    const int fourHeights[] = {80, 69, 69, 83}, threeHeights[] = {102, 93, 105};
    for (const auto& category : slots)
        for (std::size_t s = 0; s < category.size(); ++s)
            for (const char* lit : {"_0", "_1"})
                m["Bitmap/Select/r_" + category[s] + lit + ".bmp"] = {
                    300, category.size() == 4 ? fourHeights[s] : threeHeights[s]};
    return m;
}

using Surface = ui::SurfacePtr;

// Loads a picture as the program does (unpacked from "<name>.zst") and converts it to 32-bit
// pixels for reading; a picture that cannot be read fails the test with the reader's error.
Surface load(const std::string& relative) {
    Surface raw = ui::readPictureFile((fs::path(BREVION_CD_DIR) / relative).string());
    Surface converted(SDL_ConvertSurfaceFormat(raw.get(), SDL_PIXELFORMAT_RGB888, 0));
    if (!converted) throw std::runtime_error(relative + ": " + SDL_GetError());
    return converted;
}

std::uint32_t pixel(SDL_Surface* s, int x, int y) {
    return static_cast<const std::uint32_t*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF;
}

TEST(CdTree, EveryNamedPictureLoadsAtItsControlSize) {
    for (const auto& [path, size] : expectedPictures()) {
        SCOPED_TRACE(path);
        Surface s = load(path);
        EXPECT_EQ(s->w, size.width);
        EXPECT_EQ(s->h, size.height);
    }
}

TEST(CdTree, HoldsNoPictureThatNobodyNames) {
    const auto expected = expectedPictures();
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(BREVION_CD_DIR) / "Bitmap")) {
        if (!entry.is_regular_file()) continue;
        // Every picture is kept compressed, under the name the screens load plus ".zst".
        const std::string rel = fs::relative(entry.path(), BREVION_CD_DIR).generic_string();
        ASSERT_TRUE(rel.ends_with(ui::kPackedPictureSuffix)) << rel;
        EXPECT_TRUE(expected.count(rel.substr(0, rel.size() - std::strlen(ui::kPackedPictureSuffix)))) << rel;
    }
}

TEST(CdTree, LitAndChosenPicturesDifferFromTheirNormalOnes) {
    for (const auto& [normal, lit] : std::vector<std::pair<std::string, std::string>>{
             {"Bitmap/Games/mkont.bmp", "Bitmap/Games/mkonth.bmp"},
             {"Bitmap/Select/konec.bmp", "Bitmap/Select/konech.bmp"},
             {"Bitmap/Setup/zpet.bmp", "Bitmap/Setup/zpeth.bmp"},
             {"Bitmap/Games/ctrl_po0.bmp", "Bitmap/Games/ctrl_po2.bmp"},
             {"Bitmap/Select/l_3_0.bmp", "Bitmap/Select/l_3_1.bmp"},
             {"Bitmap/Select/r_08b_0.bmp", "Bitmap/Select/r_08b_1.bmp"},
             {"Bitmap/Setup/45_0.bmp", "Bitmap/Setup/45_1.bmp"}}) {
        SCOPED_TRACE(normal);
        Surface a = load(normal), b = load(lit);
        EXPECT_NE(pixel(a.get(), a->w / 2, a->h / 4), pixel(b.get(), b->w / 2, b->h / 4));
    }
}

// The animations start at the disabled picture and end on a different, ready look.
TEST(CdTree, AnimationStripsRunFromDisabledToReady) {
    for (const auto& [still, strip, frame] : std::vector<std::tuple<std::string, std::string, int>>{
             {"Bitmap/Setup/pokrac3.bmp", "Bitmap/Setup/pokrac4.bmp", 94},
             {"Bitmap/Setup/pokrac1.bmp", "Bitmap/Setup/pokrac2.bmp", 94},
             {"Bitmap/Setup/tiskni1.bmp", "Bitmap/Setup/tiskni2.bmp", 96}}) {
        SCOPED_TRACE(strip);
        Surface off = load(still), anim = load(strip);
        for (int x = 0; x < frame; x += 7)
            EXPECT_EQ(pixel(off.get(), x, 11), pixel(anim.get(), x, 11)) << "frame 0, x " << x;
        EXPECT_NE(pixel(off.get(), 20, 6), pixel(anim.get(), 22 * frame + 20, 6));
    }
}

// Setup number buttons are windows onto the background, so clearing one shows the same look.
TEST(CdTree, ClearedNumberButtonsShowTheirRestingLookInTheBackground) {
    struct Button {
        const char* picture;
        const char* background;
        int x, y;
    };
    for (const Button& b : {Button{"Bitmap/Setup/10_0.bmp", "Bitmap/Setup/bckg01.bmp", 133, 253},
                            Button{"Bitmap/Setup/30_0.bmp", "Bitmap/Setup/bckg14.bmp", 52, 370},
                            Button{"Bitmap/Setup/27_0.bmp", "Bitmap/Setup/bckg06.bmp", 203, 370}}) {
        SCOPED_TRACE(b.picture);
        Surface pic = load(b.picture), bg = load(b.background);
        int differing = 0;
        for (int y = 0; y < pic->h; ++y)
            for (int x = 0; x < pic->w; ++x)
                differing += pixel(pic.get(), x, y) != pixel(bg.get(), b.x + x, b.y + y);
        EXPECT_LE(differing, pic->w * pic->h / 50);
    }
}

double luminance(std::uint32_t rgb) {
    return (0.2126 * (rgb >> 16 & 0xFF) + 0.7152 * (rgb >> 8 & 0xFF) + 0.0722 * (rgb & 0xFF)) / 255;
}

// Word labels are transparent with black text, chooser prompts transparent with white text: the
// background must be light under every row's words and dark under every chooser's prompt.
TEST(CdTree, BackgroundsKeepRowTextAndChooserPromptsLegible) {
    struct Layout {
        std::vector<std::string> keys;
        int pitch, labelTop; // word label of row r at pitch * r + labelTop
        int rows;
    };
    const std::vector<Layout> layouts{{{"01", "02", "03", "04", "10", "11"}, 33, 62, 10},
                                      {{"05", "07", "08", "08b", "09", "11b", "12", "13", "14"}, 36, 59, 10},
                                      {{"06b"}, 73, 22, 5}};
    for (const auto& layout : layouts)
        for (const auto& key : layout.keys) {
            SCOPED_TRACE(key);
            Surface bg = load("Bitmap/Games/" + key + "bckg.bmp");
            for (int r = 1; r <= layout.rows; ++r)
                for (int x = 20; x < 420; x += 25)
                    EXPECT_GT(luminance(pixel(bg.get(), x, layout.pitch * r + layout.labelTop + 10)), 0.9)
                        << "row " << r << ", x " << x;
        }
    struct Chooser {
        std::string key;
        int pitch, top, left, width;
    };
    for (const Chooser& c :
         {Chooser{"05", 36, 61, 499, 94}, Chooser{"07", 36, 61, 499, 94}, Chooser{"09", 36, 61, 499, 94},
          Chooser{"11", 33, 64, 499, 94}, Chooser{"08b", 36, 61, 478, 115}}) {
        SCOPED_TRACE(c.key);
        Surface bg = load("Bitmap/Games/" + c.key + "bckg.bmp");
        for (int r = 1; r <= 10; ++r)
            for (int x = c.left + 4; x < c.left + c.width - 4; x += 9)
                EXPECT_LT(luminance(pixel(bg.get(), x, c.pitch * r + c.top + 8)), 0.35) << "row " << r;
    }
}

TEST(CdTree, ResultsTablesAreLightUnderTheTenRows) {
    Surface bg = load("Bitmap/Tab/11b.bmp");
    for (int row = 1; row <= 10; ++row)
        for (int x : {57, 120, 300, 410, 500, 580})
            EXPECT_GT(luminance(pixel(bg.get(), x, 165 + 30 * (row - 1) + 15)), 0.6)
                << "row " << row << ", x " << x;
}

TEST(CdTree, SoundsAreShortSixteenBitPcm) {
    // The end of a run rings longer than the sounds of hovering and clicking, but still briefly.
    const struct {
        const char* name;
        double maxSeconds;
    } sounds[] = {{"Sound/Enter.wav", 0.2}, {"Sound/Click.wav", 0.2}, {"Sound/Finish.wav", 0.6}};
    for (const auto& [name, maxSeconds] : sounds) {
        SCOPED_TRACE(name);
        SDL_AudioSpec spec{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV((fs::path(BREVION_CD_DIR) / name).c_str(), &spec, &buffer, &length))
            << SDL_GetError();
        EXPECT_EQ(spec.format, AUDIO_S16LSB);
        const double seconds = double(length) / (spec.freq * spec.channels * 2);
        EXPECT_GT(seconds, 0.01);
        EXPECT_LT(seconds, maxSeconds);
        int loud = 0;
        for (Uint32 i = 0; i + 1 < length; i += 2)
            loud += std::abs(static_cast<Sint16>(buffer[i] | buffer[i + 1] << 8)) > 3000;
        EXPECT_GT(loud, 10);
        SDL_FreeWAV(buffer);
    }
}

} // namespace
