#pragma once
// Tooltip texts of the answer controls that several exercise screens share. The leading spaces
// centre the lines in the tooltip.
namespace framework {

// On a wrong row's evaluation image.
inline constexpr const char* kEvaluationHint =
    "       Kliknutím\r\n   na hodnotenie\r\n      sa zobrazí\r\nsprávná odpoveď.";

// On a comma row's eraser: the wording of exercise 06b, of exercise 08b and of exercise 14.
inline constexpr const char* kEraserHint =
    "       Kliknutím\r\n       na gumu\r\nsa všetky čiarky\r\n        odstraní.";
inline constexpr const char* kEraserHint08b =
    "       Kliknutím\r\n       na gumu\r\nse všechny čárky\r\n        odstraní.";
inline constexpr const char* kEraserHint14 =
    "       Kliknutím\r\n       na gumu\r\nsa všetky čiarky\r\n        odstrania.";

// On the toolbar and the continue button: what each does and the key that does the same.
inline constexpr const char* kHelpHint = "Nápoveda (F1)";
inline constexpr const char* kCheckHint = "Kontrola (Enter)";
inline constexpr const char* kBackHint = "Späť (Esc)";
inline constexpr const char* kContinueHint = "Pokračovať (Enter)";

} // namespace framework
