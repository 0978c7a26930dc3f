#pragma once
// A panel whose picture is tiled from its top-left corner over the normal panel painting.
#include "ui/Bitmap.h"
#include "ui/Panel.h"

namespace controls {

class TbmpPanel : public ui::Panel {
public:
    // The panel's own picture; empty paints a plain panel.
    const ui::Bitmap& bitmap() const { return bitmap_; }
    // Copies the picture and repaints the panel with its children at once.
    void setBitmap(const ui::Bitmap& b);

protected:
    void paint(ui::Painter& p) override;

private:
    ui::Bitmap bitmap_;
};

} // namespace controls
