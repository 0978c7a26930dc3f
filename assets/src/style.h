#pragma once
// The one palette of every picture: the forms' dark blues, the light yellow of the answer
// controls, and one friendly accent colour per menu category.
#include "canvas.h"

namespace assets::style {

inline constexpr Rgb exerciseBlue = hex(0x225C91); // form colour 9526306 of the exercise screens
inline constexpr Rgb menuBlue = hex(0x21598C);     // form colour 9197857 of menu, setup, intro, table
inline constexpr Rgb cream = hex(0xFFECB6);        // 11988223, answer fields and lists
inline constexpr Rgb navy = hex(0x163C61);         // deep shade for wells and shadows
inline constexpr Rgb card = hex(0x2E6CA6);         // raised card on the blue
inline constexpr Rgb cardHigh = hex(0x3A80C0);
inline constexpr Rgb ink = hex(0x1D2733);   // text on light surfaces
inline constexpr Rgb paper = hex(0xFFFFFF); // the sheet the sentences are written on
inline constexpr Rgb rule = hex(0xD5E3F2);  // notebook lines on the paper
inline constexpr Rgb glow = hex(0xFFD54A);  // lit pictures
inline constexpr Rgb litTop = hex(0xFFF4C9);
inline constexpr Rgb litBottom = hex(0xFFD978);
inline constexpr Rgb ok = hex(0x2EAD5B);
inline constexpr Rgb wrong = hex(0xE0453A);
inline constexpr Rgb subject = hex(0xFF0000);   // underline colour of the subject / main clause
inline constexpr Rgb predicate = hex(0x0000FF); // underline colour of the predicate / subordinate clause
inline constexpr Rgb muted = hex(0xA9C3DC);     // secondary text on the blue

// Accent of menu categories 1 to 5.
inline constexpr Rgb accents[5] = {hex(0xEF6A5B), hex(0xF5A03A), hex(0x3DB57C), hex(0x33AFD6), hex(0xA47BE0)};
inline Rgb accent(int category) {
    return accents[(category - 1) % 5];
}

} // namespace assets::style
