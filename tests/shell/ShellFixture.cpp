#include "ShellFixture.h"

#include "platform/paths.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "brevion-shell-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored; // a test that failed half-way may leave anything behind
    fs::remove_all(path, ignored);
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void seedHdRoot(const fs::path& hd) {
    writeFile(hd / "Znamky.dat", "0|49|5\r\n50|64|4\r\n65|79|3\r\n80|89|2\r\n90|100|1\r\n");
    for (const char* key : {"01", "02", "03", "04", "05", "06", "06b", "07", "08", "08b", "09", "10", "11",
                            "11b", "12", "13", "14"}) {
        writeFile(hd / (std::string(key) + ".dat"), "");
        writeFile(hd / ("P" + std::string(key) + ".res"), "");
    }
}

bool samePicture(const ui::Bitmap& a, const ui::Bitmap& b) {
    if (a.empty() || b.empty()) return a.empty() == b.empty();
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!(a.pixel(x, y) == b.pixel(x, y))) return false;
    return true;
}

ShellTest::ShellTest() {
    makeProgram();
}

void ShellTest::makeProgram() {
    sluzby.emplace(shell::Sluzby{display, clock, sound, systemBoxes, libraries,
                                 std::make_unique<platform::FakeSingleInstance>(), screens,
                                 (config.path / "Brevion.ini").string(), &windowBoxes});
    program.emplace(*sluzby);
}

void ShellTest::writeGoodIni() {
    seedHdRoot(hd.path);
    writeFile(config.path / "Brevion.ini", "[CES1]\r\nCD=" + cd + "\\\r\nHD=" + hd.path.string() + "\r\n");
}

bool ShellTest::start() {
    const bool started = program->start();
    if (program->app()) bot.emplace(*program->app(), &clock, &sound, &windowBoxes);
    // What the message loop does first: show the menu.
    if (started) menuForm()->show();
    if (started) app().processMessages();
    return started;
}

void ShellTest::restart() {
    ASSERT_EQ(program->finish(), 0);
    bot.reset();
    program.reset();
    makeProgram();
    ASSERT_TRUE(start());
}

ui::Bitmap ShellTest::cdPicture(const std::string& relative) const {
    return ui::Bitmap::load(platform::joinPath(cd, relative));
}

void ShellTest::openSetup(int category, int slot) {
    bot->click("ILeft" + std::to_string(category));
    bot->hover(bot->find("IRight" + std::to_string(slot)));
    bot->click("IRight" + std::to_string(slot));
}
