#pragma once
// A rectangle or ellipse filled with a brush and outlined with a pen.
#include "ui/Control.h"

namespace ui {

enum class ShapeKind { Rectangle, Ellipse };

class Shape : public Control {
public:
    ShapeKind kind() const { return kind_; }
    void setKind(ShapeKind k);
    Color brushColor() const { return brushColor_; }
    void setBrushColor(Color c);
    // Without a brush only the outline is drawn.
    bool filled() const { return filled_; }
    void setFilled(bool f);
    Color penColor() const { return penColor_; }
    void setPenColor(Color c);
    int penWidth() const { return penWidth_; }
    void setPenWidth(int w);

protected:
    void paint(Painter& p) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    Color brushColor_ = colors::White;
    bool filled_ = true;
    Color penColor_ = colors::Black;
    int penWidth_ = 1;
};

} // namespace ui
