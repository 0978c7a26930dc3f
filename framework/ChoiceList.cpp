#include "framework/ChoiceList.h"

#include <stdexcept>

namespace framework {

ChoiceListRows::ChoiceListRows(ui::Control& parent, const ScreenServices& env, ChoiceListGeometry geometry,
                               std::function<void()> beforeOpen, int rows)
    : ChoiceRows(parent, env, geometry.image, rows), env_(env), beforeOpen_(std::move(beforeOpen)) {
    if (geometry.items.size() != geometry.image.answers.size())
        throw std::invalid_argument("a choice list needs one item per answer");
    list_ = &parent.add<TMujListbox>(env, geometry.items, geometry.listWidth, geometry.listHeight,
                                     geometry.itemWidth);
    list_->OnChoose = [this](int row, int index) { set(row, index + 1); };
    OnClick = [this](int row) { open(row); };
}

void ChoiceListRows::open(int r) {
    if (beforeOpen_) beforeOpen_();
    env_.playClick();
    // The list overlaps the image by 8 pixels, below it or above it.
    ui::Rect anchor = image(r).bounds();
    anchor.top += 8;
    anchor.height -= 16;
    list_->openAt(anchor, r);
}

} // namespace framework
