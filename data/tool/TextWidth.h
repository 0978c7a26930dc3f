#pragma once
// Width of a text as the program's screens draw it: the form font at a size in points, 96 pixels
// per inch. Needs no window.
#include <string_view>

namespace sentencedata {

// Width in pixels of UTF-8 `text` in the regular form font at `points`. Throws platform::FileError
// when the font cannot be loaded.
int textWidth(std::string_view text, int points);

} // namespace sentencedata
