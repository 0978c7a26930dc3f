#include "controls/DragCard.h"

#include "ui/Form.h"

namespace controls {

DragCard::DragCard() : label_(&add<ui::Label>()) {
    label_->OnMouseDown = [this](ui::Control&, const ui::MouseEvent& e) { pressed(e); };
    label_->OnMouseMove = [this](ui::Control&, const ui::MouseEvent& e) { moved(e); };
    label_->OnMouseUp = [this](ui::Control&, const ui::MouseEvent& e) { released(e); };
    label_->OnDblClick = [this](ui::Control&) {
        if (OnDoubleClick) OnDoubleClick(*this);
    };
}

void DragCard::pressed(const ui::MouseEvent& e) {
    if (e.button != ui::MouseButton::Left || dragging_) return;
    if (OnPress && OnPress(*this)) {
        dragging_ = true;
        grab_ = {e.x, e.y};
    }
}

void DragCard::moved(const ui::MouseEvent& e) {
    if (!dragging_) return;
    if (!(e.shift & ui::ssLeft)) {
        cancelDrag();
        return;
    }
    setBounds(left() + e.x - grab_.x, top() + e.y - grab_.y, width(), height());
    bringToFront();
}

void DragCard::released(const ui::MouseEvent& e) {
    if (!dragging_ || e.button != ui::MouseButton::Left) return;
    dragging_ = false;
    const ui::Point onCanvas = label_->canvasOrigin();
    ui::Point at{onCanvas.x + e.x, onCanvas.y + e.y};
    if (ui::Form* f = form()) {
        const ui::Point origin = f->canvasOrigin();
        at = {at.x - origin.x, at.y - origin.y};
    }
    if (OnDrop) OnDrop(*this, at);
}

void DragCard::cancelDrag() {
    if (!dragging_) return;
    dragging_ = false;
    if (OnCancel) OnCancel(*this);
}

} // namespace controls
