#include "framework/ToolButtons.h"

#include "framework/ExerciseContext.h"
#include <ui/Bitmap.h>

namespace framework {

void ToolButtons::create(ui::Control& parent, std::vector<Tool> tools, std::function<void()> beforeClick) {
    tools_ = std::move(tools);
    beforeClick_ = std::move(beforeClick);
    for (std::size_t i = 0; i < tools_.size(); ++i) {
        controls::TObrazek& b = parent.add<controls::TObrazek>();
        b.setName(tools_[i].name);
        b.setBounds(tools_[i].bounds);
        const int index = int(i);
        b.OnClick = [this, index](ui::Control&) { click(index); };
        b.OnMouseEnter = [this, index](ui::Control&) { enter(index); };
        b.OnMouseLeave = [this, index](ui::Control&) { leave(index); };
        buttons_.push_back(&b);
    }
}

void ToolButtons::loadPictures() {
    frames_.clear();
    for (const Tool& t : tools_)
        for (const std::string& picture : t.pictures)
            frames_.add(ui::Bitmap::load(env_.cd(picture)));
    for (int i = 0; i < count(); ++i) {
        button(i).setTag(kNormal);
        showFrame(i, 0);
    }
}

void ToolButtons::showFrame(int i, int offset) {
    frames_.copyTo(3 * i + offset, button(i));
}

void ToolButtons::click(int i) {
    if (beforeClick_) beforeClick_();
    if (button(i).tag() == kLocked) return;
    current_ = tools_[std::size_t(i)].code;
    for (int j = 0; j < count(); ++j) {
        button(j).setTag(j == i ? kSelected : kNormal);
        showFrame(j, j == i ? 2 : 0);
    }
    env_.playClick();
}

void ToolButtons::enter(int i) {
    if (button(i).tag() == kLocked) return;
    if (button(i).tag() == kNormal) showFrame(i, 1);
    env_.playEnter();
    env_.setCursor(kHandCursor);
}

void ToolButtons::leave(int i) {
    if (button(i).tag() == kLocked) return;
    if (button(i).tag() == kNormal) showFrame(i, 0);
    env_.setCursor(kPointerCursor);
}

void ToolButtons::lock() {
    for (int i = 0; i < count(); ++i)
        button(i).setTag(kLocked);
}

void ToolButtons::reset() {
    for (int i = 0; i < count(); ++i) {
        button(i).setTag(kNormal);
        leave(i);
    }
    current_ = kNoTool;
}

} // namespace framework
