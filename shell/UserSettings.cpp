#include "shell/UserSettings.h"

#include "platform/errors.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace shell {

void writeUserSettings(const std::string& path, std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& keys, std::string_view what) {
    const std::string temporary = path + ".tmp";
    const std::string failure = "Cannot write the " + std::string(what);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << "[" << section << "]\r\n";
        for (const auto& [key, value] : keys)
            out << key << "=" << value << "\r\n";
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            throw platform::FileError(path, failure);
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw platform::FileError(path, failure + " (" + error.message() + ")");
    }
}

std::string userSettingsPath(const std::string& iniPath, std::string_view name) {
    return (std::filesystem::path(iniPath).parent_path() / name).string();
}

} // namespace shell
