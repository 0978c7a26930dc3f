#include "shell/WindowSetting.h"

#include "shell/UserSettings.h"

#include "platform/ini.h"

#include <charconv>

namespace shell {

namespace {

constexpr const char* kWindowSection = "Okno";
constexpr const char* kWidth = "Sirka";
constexpr const char* kHeight = "Vyska";

std::optional<int> wholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

std::optional<platform::WindowSize> loadWindowSize(const std::string& path) {
    const platform::IniFile ini = platform::IniFile::load(path);
    const auto width = wholeNumber(ini.readString(kWindowSection, kWidth, ""));
    const auto height = wholeNumber(ini.readString(kWindowSection, kHeight, ""));
    if (!width || !height) return std::nullopt;
    return platform::WindowSize{*width, *height};
}

void saveWindowSize(const std::string& path, platform::WindowSize size) {
    writeUserSettings(path, kWindowSection,
                      {{kWidth, std::to_string(size.width)}, {kHeight, std::to_string(size.height)}},
                      "window size");
}

std::string windowSettingsPath(const std::string& iniPath) {
    return userSettingsPath(iniPath, "BrevionOkno.ini");
}

} // namespace shell
