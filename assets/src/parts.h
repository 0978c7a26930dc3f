#pragma once
// Pieces that several screens share, so that the same thing always looks the same.
#include "canvas.h"

#include <functional>
#include <string>

namespace assets {

using IconFn = std::function<void(cairo_t*, double cx, double cy, double size, Rgb colour)>;

// A 91 x 75 toolbar button on `base`: icon above a label; lit = warm yellow.
void bigButton(cairo_t* cr, Rgb base, bool lit, const IconFn& icon, const std::string& label);

// A 23-pixel-high continue or print button; `ready` runs from 0 (disabled) to 1 (ready), and
// `sweep` (0..1, or negative for none) places a passing gleam.
enum class PillKind { Continue, Print };
void pillButton(cairo_t* cr, int width, Rgb base, PillKind kind, double ready, double sweep);

// The program's name with its small emblem; `hint` adds the line that says the banner opens help.
void programBanner(cairo_t* cr, Box box, const std::string& hint);

// A round badge with an exercise key or category number.
void keyBadge(cairo_t* cr, double cx, double cy, double r, const std::string& text, Rgb fill, Rgb textColour);

// The title area of an exercise screen (the help button `T` at 6, 6, 225 x 67).
void exerciseTitle(cairo_t* cr, const std::string& key, int category, const std::string& title);

} // namespace assets
