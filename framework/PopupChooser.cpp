#include "framework/PopupChooser.h"

#include "framework/RowLayout.h"

#include "framework/ExerciseContext.h"
#include <ui/Shape.h>
#include <ui/TextMetrics.h>

namespace framework {

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kItemHeight = 16;
// Lists and choosers write one point smaller than the form.
constexpr int kChoiceFontSize = kFormFontSize - 1;
constexpr int kItemIndent = 2; // the text's margin inside a lit item
constexpr ui::Color kListFrameColour = ui::Color::rgb(150, 110, 40);

} // namespace

// ---------------------------------------------------------------- the list

void TMujListBoxLabel::restore() {
    setColor(kListColour);
    setFontColor(ui::colors::Black);
}

void TMujListBoxLabel::mouseEnter() {
    list_.env_.playEnter();
    list_.env_.setCursor(kHandCursor);
    setColor(ui::colors::Black);
    setFontColor(kListColour);
}

void TMujListBoxLabel::mouseLeave() {
    list_.env_.setCursor(kPointerCursor);
    restore();
}

void TMujListBoxLabel::mouseDown(const ui::MouseEvent& e) {
    if (e.button == ui::MouseButton::Left) list_.choose(index_);
}

TMujListbox::TMujListbox(const ScreenServices& env, const std::vector<std::string>& items, int width,
                         int height, int itemWidth)
    : env_(env) {
    setName("Seznam");
    setBevel(ui::Bevel::None);
    setBounds(0, 0, width, height);
    hide();
    ui::Shape& background = add<ui::Shape>();
    background.setBounds(clientRect());
    // A thin frame sets the list apart from what it covers (rows, other choosers of its colour).
    background.setBrushColor(kListColour);
    background.setPenColor(kListFrameColour);
    for (std::size_t i = 0; i < items.size(); ++i) {
        TMujListBoxLabel& item = add<TMujListBoxLabel>(*this, int(i));
        item.setName("Polozka" + std::to_string(i + 1));
        item.setAutoSize(false);
        item.setBounds(2, 2 + kItemHeight * int(i), itemWidth, kItemHeight);
        item.setFontSize(kChoiceFontSize);
        item.setIndent(kItemIndent);
        item.setTransparent(false);
        item.restore();
        items_.push_back(&item);
    }
    setTexts(items);
}

void TMujListbox::setTexts(const std::vector<std::string>& texts) {
    if (items_.empty()) return;
    const bool narrow =
        ui::fitTexts(texts, items_.front()->width() - 2 * kItemIndent, kChoiceFontSize).narrow;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        items_[i]->setNarrow(narrow);
        items_[i]->setText(texts.at(i));
    }
}

void TMujListbox::openAt(const ui::Rect& anchor, int row) {
    setTag(row);
    const int left =
        anchor.left + width() <= kScreenWidth ? anchor.left : anchor.left + anchor.width - width();
    const int below = anchor.top + anchor.height;
    const int top = below + height() <= kScreenHeight ? below : anchor.top - height();
    setBounds(left, top, width(), height());
    for (TMujListBoxLabel* item : items_)
        item->restore();
    show();
    bringToFront();
}

bool TMujListbox::close() {
    if (!visible()) return false;
    hide();
    return true;
}

void TMujListbox::choose(int index) {
    env_.playClick();
    if (OnChoose) OnChoose(row(), index);
    hide();
}

// ---------------------------------------------------------------- the choosers

void TMujComboBox::mouseEnter() {
    if (!selectable) return;
    env_.playEnter();
    env_.setCursor(kHandCursor);
}

void TMujComboBox::mouseLeave() {
    env_.setCursor(kPointerCursor);
}

ChooserRows::ChooserRows(ui::Control& parent, const ScreenServices& env, ChooserGeometry geometry,
                         std::vector<ChoiceItem> items, int rows)
    : env_(env), geometry_(std::move(geometry)), items_(std::move(items)), chosen_(std::size_t(rows)) {
    const ui::Bitmap facePicture = ui::Bitmap::load(env_.cd(geometry_.facePicture));
    for (int r = 1; r <= rows; ++r) {
        ui::Image& face = parent.add<ui::Image>();
        face.setName("Cudl" + std::to_string(r));
        face.setBounds(geometry_.faceLeft, geometry_.pitch * r + geometry_.faceTop, geometry_.faceWidth, 32);
        face.setPicture(facePicture);
        face.hide();
        faces_.push_back(&face);

        TMujComboBox& chooser = parent.add<TMujComboBox>(env_, r);
        chooser.setName("Volba" + std::to_string(r));
        chooser.setAutoSize(false);
        chooser.setBounds(geometry_.chooserLeft, geometry_.pitch * r + geometry_.chooserTop,
                          geometry_.chooserWidth, 16);
        chooser.setAlignment(ui::Alignment::Center);
        chooser.setFontSize(kChoiceFontSize);
        chooser.setTag(r);
        chooser.OnClick = [this, r](ui::Control&) { open(r); };
        choosers_.push_back(&chooser);
        reset(r);
    }
    // Every short name is written in one face: the narrow one when any of them needs it.
    std::vector<std::string> names;
    for (const ChoiceItem& item : items_)
        names.push_back(item.shortName);
    narrowNames_ = ui::fitTexts(names, geometry_.chooserWidth, kChoiceFontSize).narrow;
    std::vector<std::string> texts;
    for (const ChoiceItem& item : items_)
        texts.push_back(item.item);
    list_ = &parent.add<TMujListbox>(env_, texts, geometry_.listWidth, geometry_.listHeight,
                                     geometry_.listWidth - 4);
    list_->OnChoose = [this](int r, int index) { choose(r, index); };
}

void ChooserRows::open(int r) {
    TMujComboBox& c = chooser(r);
    if (!c.selectable) return;
    env_.playClick();
    list_->openAt(c.bounds(), r);
}

void ChooserRows::choose(int r, int index) {
    TMujComboBox& c = chooser(r);
    c.setNarrow(narrowNames_);
    c.setText(items_.at(std::size_t(index)).shortName);
    face(r).show();
    c.setTransparent(false);
    c.setColor(kListColour);
    c.setFontColor(ui::colors::Black);
    chosen_.at(std::size_t(r - 1)) = index;
}

std::optional<std::string> ChooserRows::chosenCode(int r) const {
    const std::optional<int> index = chosen(r);
    if (!index) return std::nullopt;
    return items_.at(std::size_t(*index)).code;
}

void ChooserRows::reset(int r) {
    TMujComboBox& c = chooser(r);
    c.show();
    c.selectable = true;
    c.setNarrow(false);
    c.setText(geometry_.prompt);
    c.setTransparent(true);
    c.setFontColor(ui::colors::White);
    face(r).hide();
    chosen_.at(std::size_t(r - 1)).reset();
}

void ChooserRows::hide(int r) {
    chooser(r).hide();
    face(r).hide();
}

bool ChooserRows::judge(int r, const Sentence& s) {
    freeze(r);
    const std::optional<std::string> code = chosenCode(r);
    return code && *code == s[0].remark;
}

} // namespace framework
