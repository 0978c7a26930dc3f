#pragma once
// The image button: every button, banner and picture of the screens that reacts to the mouse.
// It raises OnMouseEnter and OnMouseLeave with itself as sender, after the toolkit's own handling;
// its Tag is the screens' state flag.
#include "ui/Image.h"

#include <string>

namespace controls {

class TObrazek : public ui::Image {
public:
    // The lit picture of a button: "h" before ".bmp" ("\Bitmap\Setup\zpet.bmp" gives
    // "\Bitmap\Setup\zpeth.bmp"). A name without ".bmp" gets "h" at its end.
    static std::string litPicturePath(const std::string& normal);
};

} // namespace controls
