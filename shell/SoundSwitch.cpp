#include "shell/SoundSwitch.h"

#include "platform/errors.h"
#include "platform/ini.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace shell {

namespace {

constexpr const char* kSection = "Zvuk";
constexpr const char* kKey = "Zapnuty";

} // namespace

SoundSwitch::SoundSwitch(platform::Sound& sound, std::string settingsPath, std::string_view schoolDefault)
    : sound_(sound), settingsPath_(std::move(settingsPath)) {
    const std::string mine = platform::IniFile::load(settingsPath_).readString(kSection, kKey, "");
    const std::string_view choice = mine == "0" || mine == "1" ? std::string_view(mine) : schoolDefault;
    on_ = choice != "0";
}

void SoundSwitch::setOn(bool on) {
    on_ = on;
    // Written beside and renamed, so that a failed write leaves the former choice whole.
    const std::string temporary = settingsPath_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "[" << kSection << "]\r\n" << kKey << "=" << (on ? "1" : "0") << "\r\n";
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw platform::FileError(settingsPath_, "Cannot write the sound setting");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, settingsPath_, error);
    if (error) {
        std::remove(temporary.c_str());
        throw platform::FileError(settingsPath_, "Cannot write the sound setting (" + error.message() + ")");
    }
}

void SoundSwitch::play(const std::string& path) {
    if (on_) sound_.play(path);
}

void SoundSwitch::beep() {
    if (on_) sound_.beep();
}

std::string soundSettingsPath(const std::string& iniPath) {
    return (std::filesystem::path(iniPath).parent_path() / "BrevionZvuk.ini").string();
}

} // namespace shell
