#include "platform/clock.h"

#include "iconv_text.h"

#include <chrono>
#include <cstring>
#include <langinfo.h>
#include <locale.h>
#include <memory>
#include <string_view>

namespace platform {

std::uint32_t RealClock::ticks() const {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count()); // wraps like a 32-bit tick count
}

std::time_t RealClock::now() const {
    return std::time(nullptr);
}

namespace {

// Formats `t` with the user's LC_TIME conventions (from the environment, without touching the
// program's global locale). Empty when the user has the C/POSIX locale, or an unknown one.
std::string formatInUserLocale(std::time_t t, const char* format) {
    std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&freelocale)> owner(
        newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", nullptr), &freelocale);
    locale_t loc = owner.get();
    if (!loc) return {};
    std::string result;
    std::string_view name = nl_langinfo_l(_NL_LOCALE_NAME(LC_TIME), loc);
    if (name != "C" && name != "POSIX" && !name.starts_with("C.")) {
        std::tm tm{};
        localtime_r(&t, &tm);
        char buffer[128];
        std::size_t n = strftime_l(buffer, sizeof buffer, format, &tm, loc);
        std::string_view codeset = nl_langinfo_l(CODESET, loc);
        result.assign(buffer, n);
        if (!result.empty() && codeset != "UTF-8")
            result = detail::iconvConvert(codeset.data(), "UTF-8", result);
    }
    return result;
}

} // namespace

std::string shortDate(std::time_t t) {
    if (std::string s = formatInUserLocale(t, "%x"); !s.empty()) return s;
    std::tm tm{};
    localtime_r(&t, &tm);
    return std::to_string(tm.tm_mday) + '.' + std::to_string(tm.tm_mon + 1) + '.' +
           std::to_string(tm.tm_year + 1900);
}

std::string longTime(std::time_t t) {
    if (std::string s = formatInUserLocale(t, "%X"); !s.empty()) return s;
    std::tm tm{};
    localtime_r(&t, &tm);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
    return buffer;
}

} // namespace platform
