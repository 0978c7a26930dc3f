// INI files are parsed by libinih. Its defaults differ from the classic profile reader in a few
// ways, so they are switched off for each parse: a value runs to the end of its line (no inline
// ";" comments; paths may contain ";"), an indented line is a key of its own (no continuation
// lines), and lines may be of any length. What inih leaves to its caller is done here: matching
// without regard to case, stripping matching quotes, and keeping the first of duplicate keys.
#include "platform/ini.h"

#include "iconv_text.h"
#include "platform/encoding.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ini.h>
#include <iterator>
#include <mutex>

namespace platform {
namespace {

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
    return out;
}

std::string keyOf(std::string_view section, std::string_view key) {
    return lowerAscii(section) + '\n' + lowerAscii(key);
}

std::string_view trimmed(std::string_view s) {
    const char* space = " \t\r\n\v\f";
    std::size_t b = s.find_first_not_of(space);
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(space) - b + 1);
}

std::string_view unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

int onValue(void* user, const char* section, const char* name, const char* value) {
    auto* values = static_cast<std::map<std::string, std::string>*>(user);
    values->emplace(keyOf(section, name), std::string(unquoted(trimmed(value ? value : ""))));
    return 1;
}

// inih's options are process-wide variables; parses are serialised so they stay as set here.
std::mutex& parserMutex() {
    static std::mutex m;
    return m;
}

} // namespace

IniFile IniFile::fromText(std::string_view text) {
    IniFile ini;
    std::string copy(text); // inih wants a terminated string
    std::lock_guard lock(parserMutex());
    ini_allow_multiline = false;
    ini_allow_inline_comments = false;
    ini_allow_bom = true;
    ini_allow_no_value = false;
    ini_stop_on_first_error = false;
    ini_use_stack = false;
    ini_allow_realloc = true;
    ini_initial_alloc = 256;
    ini_max_line = 1 << 20;
    // A malformed line is skipped, as the classic reader does; inih goes on after it.
    ini_parse_string(copy.c_str(), onValue, &ini.values_);
    return ini;
}

IniFile IniFile::load(const std::string& path) {
    // Only a regular file is read: a folder of that name (which the stream library opens and
    // then fails to read with an exception) counts as unreadable, like a missing file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::string bytes;
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::ios_base::failure&) {
        return {}; // a read error: unreadable
    }
    // The file is Windows-1250 unless it is marked (BOM) or readable as UTF-8: plain ASCII reads
    // the same either way, and Windows-1250 text with accents is practically never valid UTF-8.
    bool utf8 = bytes.starts_with("\xEF\xBB\xBF") || detail::isValidUtf8(bytes);
    return fromText(utf8 ? bytes : cp1250ToUtf8(bytes));
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    auto it = values_.find(keyOf(section, key));
    return it == values_.end() ? std::string(defaultValue) : it->second;
}

} // namespace platform
