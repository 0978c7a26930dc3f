#pragma once
// Reading INI files the way the program has always read them: section and key are matched
// without regard to case, values are trimmed, a value in matching quotes loses them, and a
// missing file, section or key gives the caller's default.
#include <map>
#include <string>
#include <string_view>

namespace platform {

class IniFile {
public:
    // Parses INI text held in memory (used by tests and by `load`).
    static IniFile fromText(std::string_view text);
    // Reads a file; a missing or unreadable file gives an empty IniFile (every lookup defaults).
    static IniFile load(const std::string& path);

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

private:
    // Keys are stored lower-cased as "section\nkey"; the first occurrence wins.
    std::map<std::string, std::string> values_;
};

} // namespace platform
