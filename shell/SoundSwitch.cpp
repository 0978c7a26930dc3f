#include "shell/SoundSwitch.h"

#include "shell/UserSettings.h"

#include "platform/ini.h"

namespace shell {

namespace {

constexpr const char* kSoundSection = "Zvuk";
constexpr const char* kKey = "Zapnuty";

} // namespace

SoundSwitch::SoundSwitch(platform::Sound& sound, std::string settingsPath, std::string_view schoolDefault)
    : sound_(sound), settingsPath_(std::move(settingsPath)) {
    const std::string mine = platform::IniFile::load(settingsPath_).readString(kSoundSection, kKey, "");
    const std::string_view choice = mine == "0" || mine == "1" ? std::string_view(mine) : schoolDefault;
    on_ = choice != "0";
}

void SoundSwitch::setOn(bool on) {
    on_ = on;
    writeUserSettings(settingsPath_, kSoundSection, {{kKey, on ? "1" : "0"}}, "sound setting");
}

void SoundSwitch::play(const std::string& path) {
    if (on_) sound_.play(path);
}

void SoundSwitch::beep() {
    if (on_) sound_.beep();
}

std::string soundSettingsPath(const std::string& iniPath) {
    return userSettingsPath(iniPath, "BrevionZvuk.ini");
}

} // namespace shell
