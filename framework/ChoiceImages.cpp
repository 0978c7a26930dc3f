#include "framework/ChoiceImages.h"

#include "framework/ExerciseContext.h"
#include <ui/Bitmap.h>

#include <stdexcept>

namespace framework {

void TVolbaImage::mouseEnter() {
    if (!clickable) return;
    rows_.env_.playEnter();
    rows_.env_.setCursor(kHandCursor);
}

void TVolbaImage::mouseLeave() {
    rows_.env_.setCursor(kPointerCursor);
}

// No sound: the picture itself answers the click.
void TVolbaImage::mouseDown(const ui::MouseEvent& e) {
    if (e.button != ui::MouseButton::Left || !clickable) return;
    if (rows_.OnClick)
        rows_.OnClick(row());
    else
        rows_.choose(row());
}

ChoiceRows::ChoiceRows(ui::Control& parent, const ScreenServices& env, ChoiceGeometry geometry, int rows)
    : env_(env), geometry_(std::move(geometry)), pictures_(geometry_.width, geometry_.height) {
    if (geometry_.answers.empty() || geometry_.pictures.size() != geometry_.answers.size())
        throw std::invalid_argument("a choice image needs one picture per answer");
    for (const std::string& picture : geometry_.pictures)
        pictures_.add(ui::Bitmap::load(env_.cd(picture)));
    for (int r = 1; r <= rows; ++r) {
        TVolbaImage& image = parent.add<TVolbaImage>(*this, r);
        image.setName(geometry_.name + std::to_string(r));
        image.setBounds(geometry_.left, geometry_.pitch * r + geometry_.topOffset, geometry_.width,
                        geometry_.height);
        images_.push_back(&image);
        reset(r);
    }
}

void ChoiceRows::choose(int r) {
    const int next = image(r).counter_ >= states() ? 1 : image(r).counter_ + 1;
    set(r, next);
    if (OnChoose) OnChoose(r, next);
}

std::string ChoiceRows::answer(int r) const {
    const int counter = image(r).counter_;
    return counter > 0 ? geometry_.answers.at(std::size_t(counter - 1)) : std::string();
}

void ChoiceRows::set(int r, int counter) {
    TVolbaImage& i = image(r);
    i.counter_ = counter;
    if (counter > 0)
        pictures_.copyTo(counter - 1, i);
    else
        i.clearPicture();
}

void ChoiceRows::reset(int r) {
    set(r, geometry_.resetCounter);
    image(r).clickable = true;
    image(r).setVisible(geometry_.visibleAtReset);
}

} // namespace framework
