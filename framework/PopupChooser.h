#pragma once
// The chooser with its pop-up list: in each row a chooser (TMujComboBox) that reads a prompt until
// the pupil picks an item from the list (TMujListbox of TMujListBoxLabel items) that it opens; a
// chosen row shows its chooser face behind the short name of the item. One list serves all rows
// and remembers the row that opened it. The list also works alone, opened next to any control.
#include "framework/ExerciseContext.h"
#include "framework/RowPart.h"

#include <ui/Image.h>
#include <ui/Label.h>
#include <ui/Panel.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace framework {

// The cream of the list and of a chosen chooser.
inline constexpr ui::Color kListColour = ui::Color::rgb(255, 236, 182);

class TMujListbox;

// One item of the pop-up list: lights up (inverted) under the mouse, chooses when pressed.
class TMujListBoxLabel : public ui::Label {
public:
    TMujListBoxLabel(TMujListbox& list, int index) : list_(list), index_(index) {}
    int index() const { return index_; }
    // Cream background, black text (not lit).
    void restore();

protected:
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(const ui::MouseEvent& e) override;

private:
    TMujListbox& list_;
    int index_;
};

// The pop-up list: a framed cream panel of items, hidden until opened. Its Tag is the row that opened it.
class TMujListbox : public ui::Panel {
public:
    // `itemWidth` x 16 items at 2, 2 + 16 (i - 1) on a `width` x `height` panel.
    TMujListbox(const ScreenServices& env, const std::vector<std::string>& items, int width, int height,
                int itemWidth);

    int row() const { return tag(); }
    int count() const { return int(items_.size()); }
    TMujListBoxLabel& item(int i) const { return *items_.at(std::size_t(i)); }
    // New texts for the items (as many as there are items). All items share one face: the
    // narrow one when any text is too wide for an item in the regular one.
    void setTexts(const std::vector<std::string>& texts);

    // Opens for `row` next to `anchor` (in the parent's coordinates): under it when the list fits
    // above the bottom of the 640x480 screen, else above it; left-aligned with it when the list fits
    // within the screen's width, else right-aligned.
    void openAt(const ui::Rect& anchor, int row);
    // Hides the list; false when it was not shown.
    bool close();

    // An item was pressed (after the click sound; the list closes afterwards).
    std::function<void(int row, int index)> OnChoose;

private:
    friend class TMujListBoxLabel;
    void choose(int index);

    const ScreenServices& env_;
    std::vector<TMujListBoxLabel*> items_;
};

// A row's chooser: a label that opens the list when it is selectable.
class TMujComboBox : public ui::Label {
public:
    TMujComboBox(const ScreenServices& env, int row) : env_(env), row_(row) {}
    int row() const { return row_; }
    bool selectable = true;

protected:
    void mouseEnter() override;
    void mouseLeave() override;

private:
    const ScreenServices& env_;
    int row_;
};

// An item of the list: its text, the short name the chooser shows once it is chosen, and the
// answer code the short name stands for.
struct ChoiceItem {
    std::string item;
    std::string shortName;
    std::string code;
};

struct ChooserGeometry {
    int pitch = 36;      // pixels from one row to the next
    int faceTop = 54;    // the face: faceLeft, pitch * r + faceTop, faceWidth x 32
    int chooserTop = 61; // the chooser: chooserLeft, pitch * r + chooserTop, chooserWidth x 16
    int faceLeft = 490;
    int faceWidth = 116;
    int chooserLeft = 499;
    int chooserWidth = 94;
    int listWidth = 178;
    int listHeight = 132;
    std::string facePicture; // relative to the CD root
    std::string prompt;      // what an unchosen chooser reads
};

// As a row part: layout shows nothing (the chooser waits from the reset), a row is right when the
// chosen item's code equals the sentence remark exactly (an unchosen row is wrong).
class ChooserRows : public RowPart {
public:
    // Creates the face and the chooser of rows 1 to `rows` on `parent`, then the list (on top), and
    // loads the face picture (platform::FileError when it is missing).
    ChooserRows(ui::Control& parent, const ScreenServices& env, ChooserGeometry geometry,
                std::vector<ChoiceItem> items, int rows = 10);

    const std::vector<ChoiceItem>& items() const { return items_; }
    TMujComboBox& chooser(int r) const { return *choosers_.at(std::size_t(r - 1)); }
    ui::Image& face(int r) const { return *faces_.at(std::size_t(r - 1)); }
    TMujListbox& list() const { return *list_; }

    // The chooser's click: opens the list for row r when its chooser is selectable.
    void open(int r);
    // Closes the list if it is shown.
    void closeList() { list_->close(); }
    // Row r's choice: item `index` (its short name on a cream chooser over the face).
    void choose(int r, int index);
    // The item chosen in row r, none while the chooser reads the prompt.
    std::optional<int> chosen(int r) const { return chosen_.at(std::size_t(r - 1)); }
    // The code of row r's choice, none while the chooser reads the prompt.
    std::optional<std::string> chosenCode(int r) const;

    // A new example: chooser shown, selectable, reading the prompt (in the regular face),
    // transparent with white text; face hidden.
    void reset(int r);
    // Row r under the cover of a last page of five.
    void hide(int r) override;
    // After the check: the chooser no longer opens the list.
    void freeze(int r) { chooser(r).selectable = false; }

    void layout(int, const Sentence&) override {}
    void clear(int r) override { reset(r); }
    bool judge(int r, const Sentence& s) override;
    void closePopups() override { closeList(); }
    bool answered(int r) const override { return chosen(r).has_value(); }
    bool popupOpen() const override { return list_->visible(); }

private:
    const ScreenServices& env_;
    ChooserGeometry geometry_;
    std::vector<ChoiceItem> items_;
    std::vector<ui::Image*> faces_;
    std::vector<TMujComboBox*> choosers_;
    std::vector<std::optional<int>> chosen_;
    TMujListbox* list_ = nullptr;
    bool narrowNames_ = false; // the short names are written in the narrow face
};

} // namespace framework
