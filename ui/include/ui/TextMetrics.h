#pragma once
// The form font and the one way of measuring text. Works without an Application or a window: the
// font library is started on first use. Fonts are opened once per (size, weight) and kept.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

typedef struct _TTF_Font TTF_Font;

namespace ui {

struct TextSize {
    int width = 0;
    int height = 0;
    int ascent = 0; // from the top of the line to the baseline
};

// Width and height in pixels of one line of UTF-8 text at `points` points (96 pixels per inch),
// regular or bold, in the form font or its narrow face. The height is the font's line height, the
// same for every text.
TextSize measureText(std::string_view text, int points, bool bold = false, bool narrow = false);

// The form font: Liberation Sans found through fontconfig, DejaVu Sans when it is missing; bold is
// the real bold face. Throws platform::FileError when no font file can be opened.
// The font stays open until closeFontsSince closes it: callers ask for it at each use and keep no
// pointer to it.
// The narrow face, for texts that must fit a box drawn for a narrower font, is Nimbus Sans Narrow
// (the same proportions as the form font, about four fifths of its width); without it the narrow
// face is the form font itself and only the size steps below make a text fit.
TTF_Font* formFont(int points, bool bold = false, bool narrow = false);

// The file behind formFont (for tests and diagnostics).
std::string formFontFile(bool bold, bool narrow = false);

// Fonts opened only for a passing window (a message box) need not stay for the rest of the session:
// each open font costs about 150 KiB of shaping tables and outlines. fontMark() notes which fonts
// are open; closeFontsSince(mark) closes those opened after it (the next use opens them again) and
// gives their memory back.
using FontMark = std::uint64_t;
FontMark fontMark();
void closeFontsSince(FontMark mark);
// How many fonts are open (for tests and diagnostics).
std::size_t openFontCount();

// How many pixels below the top of its line the font library draws `text`: a glyph that rises
// above the face's ascent (an accented capital in the narrow face) pushes the whole line down in
// its rendered picture, and a label lifts it back so that every text keeps one baseline.
int textDrop(std::string_view text, int points, bool bold = false, bool narrow = false);

// The font a text is drawn in so that it fits a box.
struct FittedFont {
    int points = 12;
    bool narrow = false;
    bool operator==(const FittedFont&) const = default;
};

// Fitting never goes below this size.
inline constexpr int kMinFittedPoints = 8;

// The font in which every one of `texts` is at most `width` pixels wide: `points` in the face asked
// for when they fit there, else the narrow face at `points`, else the narrow face one point smaller
// at a time down to kMinFittedPoints (given even when a text is still too wide there).
FittedFont fitTexts(const std::vector<std::string>& texts, int width, int points, bool bold = false,
                    bool narrow = false);
// Whether every one of `texts` is at most `width` pixels wide in `font`.
bool textsFit(const std::vector<std::string>& texts, int width, FittedFont font, bool bold = false);

} // namespace ui
