// The configuration file (INI): read as the program reads Brevion.ini, in either encoding.
#include "FuzzInput.h"

#include <platform/ini.h>

#include <array>
#include <string_view>

namespace {

struct Lookup {
    std::string_view section, key, otherCase;
};

// What the program looks up, and a few neighbours the mutations easily reach.
constexpr std::array<Lookup, 4> kLookups{{
    {"CES1", "CD", "cd"},
    {"CES1", "HD", "hD"},
    {"ces1", "Cd", "CD"},
    {"", "CD", "cd"},
}};

constexpr std::string_view kDefault = "\x01(default)";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::IniFile ini = platform::IniFile::load(fuzz::holdInput(fuzz::bytesOf(data, size)));
    for (const Lookup& lookup : kLookups) {
        const std::string value = ini.readString(lookup.section, lookup.key, kDefault);
        // A value runs to the end of its line, and comes back the same whatever the key's case.
        FUZZ_CHECK(value.find('\n') == std::string::npos);
        FUZZ_CHECK(ini.readString(lookup.section, lookup.otherCase, kDefault) == value);
    }
    return 0;
}
