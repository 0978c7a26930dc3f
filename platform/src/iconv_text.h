#pragma once
// Conversion between character sets with glibc's iconv; shared by the encoding and clock code.
#include <string>
#include <string_view>

namespace platform::detail {

// Converts `bytes` from charset `from` to charset `to`. Throws ConversionError on a sequence that
// is invalid in `from` or cannot be stored in `to`.
std::string iconvConvert(const char* from, const char* to, std::string_view bytes);

bool isValidUtf8(std::string_view bytes);

} // namespace platform::detail
