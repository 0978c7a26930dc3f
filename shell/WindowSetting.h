#pragma once
// The window's size outside full screen, kept for the pupil in BrevionOkno.ini beside Brevion.ini
// (section "Okno", keys "Sirka" and "Vyska" in pixels): read when the program starts, written when
// it ends with another size. Whether a size read is usable on this screen is the display's call.
#include "platform/display.h"

#include <optional>
#include <string>

namespace shell {

// The size kept in `path`; none when the file is missing or its values are not two whole numbers.
std::optional<platform::WindowSize> loadWindowSize(const std::string& path);
// platform::FileError when it cannot be written.
void saveWindowSize(const std::string& path, platform::WindowSize size);

// The settings file of the window's size beside the INI file at `iniPath`.
std::string windowSettingsPath(const std::string& iniPath);

} // namespace shell
