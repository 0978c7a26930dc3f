#pragma once
// The form font and the one way of measuring text. Works without an Application or a window: the
// font library is started on first use. Fonts are opened once per (size, weight) and kept.
#include <string>
#include <string_view>

typedef struct _TTF_Font TTF_Font;

namespace ui {

struct TextSize {
    int width = 0;
    int height = 0;
};

// Width and height in pixels of one line of UTF-8 text at `points` points (96 pixels per inch),
// regular or bold. The height is the font's line height, the same for every text.
TextSize measureText(std::string_view text, int points, bool bold = false);

// The form font: Liberation Sans found through fontconfig, DejaVu Sans when it is missing; bold is
// the real bold face. Throws platform::FileError when no font file can be opened.
TTF_Font* formFont(int points, bool bold = false);

// The file behind formFont (for tests and diagnostics).
std::string formFontFile(bool bold);

} // namespace ui
