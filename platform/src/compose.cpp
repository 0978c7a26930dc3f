#include "platform/compose.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <langinfo.h>
#include <locale.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace platform {
namespace {

struct Accent {
    const char* deadKey;
    // Pairs of an ASCII letter and the accented letter it gives (UTF-8), one string per accent.
    std::string_view letters[26];
};

// The letters of Windows-1250 that are an ASCII letter with one accent.
constexpr Accent kAccents[] = {
    {"dead_acute", {"aá", "AÁ", "cć", "CĆ", "eé", "EÉ", "ií", "IÍ", "lĺ", "LĹ", "nń", "NŃ",
                    "oó", "OÓ", "rŕ", "RŔ", "sś", "SŚ", "uú", "UÚ", "yý", "YÝ", "zź", "ZŹ"}},
    {"dead_caron",
     {"cč", "CČ", "dď", "DĎ", "eě", "EĚ", "lľ", "LĽ", "nň", "NŇ", "rř", "RŘ", "sš", "SŠ", "tť", "TŤ", "zž",
      "ZŽ"}},
    {"dead_circumflex", {"aâ", "AÂ", "iî", "IÎ", "oô", "OÔ"}},
    {"dead_diaeresis", {"aä", "AÄ", "eë", "EË", "oö", "OÖ", "uü", "UÜ"}},
    {"dead_abovering", {"uů", "UŮ"}},
    {"dead_doubleacute", {"oő", "OŐ", "uű", "UŰ"}},
    {"dead_cedilla", {"cç", "CÇ", "sş", "SŞ", "tţ", "TŢ"}},
    {"dead_ogonek", {"aą", "AĄ", "eę", "EĘ"}},
    {"dead_breve", {"aă", "AĂ"}},
    {"dead_abovedot", {"zż", "ZŻ"}},
};

bool utf8Locale() {
    locale_t chosen = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (!chosen) return false;
    const std::string_view codeset = nl_langinfo_l(CODESET, chosen);
    const bool utf8 = codeset == "UTF-8";
    freelocale(chosen);
    return utf8;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

std::string composeTable() {
    std::string out = "# Dead keys and the letters of Windows-1250 they give.\n";
    for (const Accent& accent : kAccents)
        for (std::string_view pair : accent.letters) {
            if (pair.empty()) continue;
            out += "<" + std::string(accent.deadKey) + "> <" + std::string(pair.substr(0, 1)) + "> : \"" +
                   std::string(pair.substr(1)) + "\"\n";
        }
    return out;
}

bool useCompactComposeTable(const std::string& directory) {
    if (std::getenv("XCOMPOSEFILE")) return false;
    if (const char* home = std::getenv("HOME");
        home && std::filesystem::exists(std::string(home) + "/.XCompose"))
        return false;
    if (!utf8Locale()) return false;
    const std::string path = directory + "/Compose";
    const std::string table = composeTable();
    if (readAll(path) != table) {
        // Written beside and renamed: another copy starting at the same time reads a whole table.
        const std::string temporary = path + "." + std::to_string(getpid()) + ".tmp";
        std::ofstream(temporary, std::ios::binary | std::ios::trunc) << table;
        if (readAll(temporary) != table || std::rename(temporary.c_str(), path.c_str()) != 0) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return setenv("XCOMPOSEFILE", path.c_str(), 0) == 0;
}

} // namespace platform
