#pragma once
// The look every printed page shares: A4 in points, the frame, the typeface and the colours.
// Worksheets and the results overview report both use it.
namespace tisk::page {

constexpr double kPageWidth = 595.276;
constexpr double kPageHeight = 841.890;
constexpr double kMargin = 56.7; // 20 mm left and right
constexpr double kTop = 42.5;    // 15 mm
constexpr double kBottom = 42.5;
constexpr double kContentWidth = kPageWidth - 2 * kMargin;
constexpr double kFooterTop = kPageHeight - kBottom - 12;
constexpr double kBodyBottom = kFooterTop - 14;

constexpr const char* kFamily = "Liberation Sans";
constexpr const char* kProgram = "Brevion Lumena";

struct Colour {
    double r, g, b;
};
constexpr Colour kInk{0.08, 0.08, 0.1};
constexpr Colour kGrey{0.42, 0.44, 0.48};
constexpr Colour kRule{0.72, 0.75, 0.8};
constexpr Colour kAccent{0.13, 0.33, 0.6};
constexpr Colour kTint{0.92, 0.95, 0.99};

} // namespace tisk::page
