#pragma once
// A coloured rectangle with an optional 3-D edge, usually holding other controls.
#include "ui/Control.h"

namespace ui {

enum class Bevel { None, Raised, Lowered };

class Panel : public Control {
public:
    Color color() const { return color_; }
    void setColor(Color c);
    Bevel bevel() const { return bevel_; }
    void setBevel(Bevel b);

protected:
    void paint(Painter& p) override;

private:
    Color color_ = colors::BtnFace;
    Bevel bevel_ = Bevel::Raised;
};

} // namespace ui
