#pragma once
// Files and the print libraries use Windows-1250; inside the program all text is UTF-8.
#include <string>
#include <string_view>

namespace platform {

// The five bytes Windows-1250 leaves unassigned become the C1 control characters of the same
// value, and back, so that any file reads and writes back unchanged.
std::string cp1250ToUtf8(std::string_view bytes);
// Throws ConversionError for invalid UTF-8 or a character that Windows-1250 cannot store.
std::string utf8ToCp1250(std::string_view text);
// True when every character of valid UTF-8 `text` can be stored in Windows-1250.
bool representableInCp1250(std::string_view text);

// Number of characters (code points) of valid UTF-8 text.
std::size_t utf8Length(std::string_view text);

} // namespace platform
