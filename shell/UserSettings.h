#pragma once
// The pupil's own settings files beside Brevion.ini (the start command rewrites that one, so each
// setting the program keeps for the user has a small INI file of its own).
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shell {

// Writes one section with its keys in order, CR LF, beside the file and renamed over it, so that a
// failed write leaves the former settings whole. platform::FileError ("Cannot write the `what`")
// when it cannot be written.
void writeUserSettings(const std::string& path, std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& keys, std::string_view what);

// The file `name` beside the INI file at `iniPath`.
std::string userSettingsPath(const std::string& iniPath, std::string_view name);

} // namespace shell
