#include "ExerciseFixture.h"

#include "framework/ExerciseScreen.h"
#include "framework/WordMarking.h"
#include "platform/encoding.h"
#include "platform/paths.h"
#include "results/ResultsLog.h"
#include "results/Table1.h"

#include <SDL.h>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>

std::string storedLine(const std::string& utf8) {
    std::string stored;
    for (char c : platform::utf8ToCp1250(utf8))
        stored += std::string("x~z") + c;
    return stored;
}

void writeSentenceFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string file;
    for (const std::string& line : lines)
        file += storedLine(line) + "\r\n";
    writeFile(path, file);
}

std::vector<std::string> numberedSentences(const std::string& pattern, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(std::string(pattern).replace(pattern.find('N'), 1, std::to_string(i)));
    return lines;
}

std::vector<std::string> sentenceLines(const std::function<std::string(int)>& make, int count) {
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(make(i));
    return lines;
}

MenuPlace menuPlace(const std::string& key) {
    static const std::map<std::string, MenuPlace> places = {
        {"01", {1, 1}},  {"02", {1, 2}},  {"03", {1, 3}}, {"04", {1, 4}},  {"05", {2, 1}}, {"06", {2, 2}},
        {"06b", {2, 3}}, {"07", {3, 1}},  {"08", {3, 2}}, {"08b", {3, 3}}, {"09", {4, 1}}, {"10", {4, 2}},
        {"11", {4, 3}},  {"11b", {4, 4}}, {"13", {5, 1}}, {"14", {5, 2}},  {"12", {5, 3}},
    };
    return places.at(key);
}

void ExerciseTest::openExerciseSetup(const std::string& key, void (*registerScreen)(shell::ExerciseScreens&),
                                     const std::vector<std::string>& lines, const std::string& name,
                                     const std::string& number) {
    writeGoodIni();
    writeSentenceFile(hd.path / (key + ".dat"), lines);
    registerScreen(screens);
    ASSERT_TRUE(start());
    openSetup(menuPlace(key).category, menuPlace(key).slot);
    bot->type(name);
    bot->click(number);
}

void ExerciseTest::useCdTree() {
    namespace fs = std::filesystem;
    for (const char* folder : {"Bitmap", "Sound"})
        fs::create_directory_symlink(fs::path(BREVION_CD_DIR) / folder, fakeCd.path / folder);
    fs::create_directory(fakeCd.path / "Data");
    cd = fakeCd.path.string();
    setenv("BREVION_FAKE_PRINT_LOG", (fakeCd.path / "print.log").c_str(), 1);
}

std::vector<std::string> ExerciseTest::printLog() const {
    std::ifstream in(fakeCd.path / "print.log", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void ScreenHelpers::markKey(framework::WordMarking& marking, int r, const char* tool, int extra) {
    automation().click(tool);
    for (int k = 1; k <= framework::kMarkedSlots; ++k)
        if (marking.key(r, k) != 0 || k == extra) automation().click(marking.rows().label(r, k));
}

int ScreenHelpers::rowStarting(const framework::ExerciseScreen& screen, const std::string& start) {
    for (int r = 1; r <= screen.flow().rowsOnPage(); ++r) {
        std::string words;
        for (const framework::PPravidla& slot : screen.sentenceOfRow(r))
            words += slot.text + " ";
        if (words.starts_with(start)) return r;
    }
    ADD_FAILURE() << "no row begins with " << start;
    return 1;
}

void ScreenHelpers::press(ui::Control& c) {
    automation().moveTo(ui::Automation::center(c));
    automation().press(ui::Automation::center(c));
}

void ScreenHelpers::release(ui::Control& c) {
    automation().release(ui::Automation::center(c));
}

int ScreenHelpers::countSounds(const std::string& relative) {
    const std::string path = platform::joinPath(cdRoot(), relative);
    return int(std::count(automation().sounds().begin(), automation().sounds().end(), path));
}

int ExerciseTest::countCanvasPixels(const ui::Rect& area, ui::Color colour) const {
    SDL_Surface* canvas = program->app()->canvas();
    int count = 0;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x) {
            Uint8 r, g, b;
            const auto* line = static_cast<const Uint8*>(canvas->pixels) + y * canvas->pitch;
            SDL_GetRGB(reinterpret_cast<const Uint32*>(line)[x], canvas->format, &r, &g, &b);
            count += ui::Color::rgb(r, g, b) == colour;
        }
    return count;
}

void ExerciseTest::expectRecorded(const std::string& key, const std::string& title, int right, int wrong,
                                  const std::string& name) {
    const std::string grade = env().ZnamkaZa(right, right + wrong);
    results::TTabulka1Form& table = forms().table;
    ASSERT_TRUE(table.visible());
    bot->click(*table.IZpet);
    app().processMessages();
    const std::string r = std::to_string(right), w = std::to_string(wrong);
    EXPECT_EQ(readFile(hd.path / ("P" + key + ".res")),
              platform::utf8ToCp1250(name + "|" + r + "|" + w + "|" + grade + "\r\n"));
    EXPECT_EQ(readFile(hd.path / "Vysledky.dat"),
              platform::utf8ToCp1250(results::formatLogRecord(name, title, r, w, grade,
                                                              platform::shortDate(clock.now()),
                                                              platform::longTime(clock.now()))));
}
