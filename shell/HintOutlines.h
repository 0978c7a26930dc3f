#pragma once
// The speech-bubble outlines of the three hint windows, in window pixels, filled by the alternate
// rule. The sixth corner is the bubble's tip at the upper right. The windows cut themselves to these
// outlines and the asset generator draws the bubble pictures along them, so both use this one table.
#include "ui/Geometry.h"

#include <array>

namespace shell {

using HintOutline = std::array<ui::Point, 13>;

// THintForm, 605 by 57.
inline constexpr HintOutline kHintOutline = {{{0, 20},
                                              {1, 16},
                                              {7, 10},
                                              {10, 9},
                                              {584, 9},
                                              {604, 1},
                                              {597, 19},
                                              {597, 46},
                                              {593, 53},
                                              {586, 57},
                                              {10, 57},
                                              {4, 53},
                                              {0, 46}}};
// THintForm2, 212 by 37.
inline constexpr HintOutline kHint2Outline = {{{0, 20},
                                               {1, 16},
                                               {7, 10},
                                               {10, 9},
                                               {190, 9},
                                               {211, 1},
                                               {204, 19},
                                               {204, 26},
                                               {200, 33},
                                               {192, 37},
                                               {11, 37},
                                               {3, 32},
                                               {0, 26}}};
// THintForm3, 605 by 37.
inline constexpr HintOutline kHint3Outline = {{{0, 20},
                                               {1, 16},
                                               {7, 10},
                                               {10, 9},
                                               {584, 9},
                                               {604, 1},
                                               {597, 19},
                                               {597, 26},
                                               {593, 32},
                                               {586, 37},
                                               {11, 37},
                                               {3, 32},
                                               {0, 26}}};

} // namespace shell
