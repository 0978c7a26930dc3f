#pragma once
// A card that the pupil carries with the mouse: a panel with one label on it, which takes the mouse
// for the card. A left press that OnPress accepts picks the card up; while the button is held the
// card follows the pointer in front of its siblings (moving it invalidates only its old and new
// places, and the frame is drawn once the pending events are handled, so a burst of moves costs one
// frame); the release hands the pointer's place on the form to OnDrop, also when it lies outside
// the window. A drag whose release never reached the card (a message box took the mouse) ends at
// the card's next move without the button, as a cancel.
#include "ui/Label.h"
#include "ui/Panel.h"

#include <functional>

namespace controls {

class DragCard : public ui::Panel {
public:
    DragCard();

    ui::Label& label() const { return *label_; }
    bool dragging() const { return dragging_; }
    // Ends a drag without a drop: OnCancel runs.
    void cancelDrag();

    // A left press on the card; returning true picks it up.
    std::function<bool(DragCard&)> OnPress;
    // The release of a drag, at the pointer's place in the form's coordinates.
    std::function<void(DragCard&, ui::Point)> OnDrop;
    std::function<void(DragCard&)> OnCancel;
    std::function<void(DragCard&)> OnDoubleClick;

private:
    void pressed(const ui::MouseEvent& e);
    void moved(const ui::MouseEvent& e);
    void released(const ui::MouseEvent& e);

    ui::Label* label_;
    bool dragging_ = false;
    ui::Point grab_; // the pointer on the label when the card was picked up
};

} // namespace controls
