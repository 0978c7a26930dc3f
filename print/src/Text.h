#pragma once
// Text that crosses the library boundary: Windows-1250 short strings in, UTF-8 inside.
#include "print/TiskAbi.h"

#include <string>
#include <string_view>

namespace tisk {

// The text of a short string as UTF-8. Reads at most `length` bytes of the 255; bytes that
// Windows-1250 leaves unassigned become U+FFFD and control characters become spaces, so the
// result is always valid UTF-8 that a layout engine can show.
std::string decode(const ShortString& text);

// `text` without leading and trailing spaces.
std::string_view trimmed(std::string_view text);

} // namespace tisk
