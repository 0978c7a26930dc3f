#pragma once
// Data roots and the relative paths the program joins to them.
#include <string>
#include <string_view>

namespace platform {

// The user's configuration directory ($XDG_CONFIG_HOME, default ~/.config): where Brevion.ini lies.
std::string windowsDirectory();

// Removes exactly one trailing backslash or slash ("D:\" -> "D:"), nothing else.
std::string stripOneTrailingSeparator(std::string root);

// Joins a root and a relative path that begins with a backslash ("\Bitmap\Games\hint.bmp"):
// backslashes become slashes, names keep their exact case.
std::string joinPath(std::string_view root, std::string_view relative);

bool fileExists(const std::string& path);

} // namespace platform
