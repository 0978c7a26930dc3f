#pragma once
// Choice images (TVolbaImage, TVolba1Image, TVolba2Image): a picture at the end of each row that
// the pupil clicks through a fixed cycle of answers. Its counter starts at a reset value (0: no
// answer and no picture); every click moves it to the next state, and after the last state back to
// the first, so once chosen an answer can be changed but not taken back. State k shows frame k - 1
// of the exercise's image list and gives answer k. Checking freezes the images.
#include "framework/ExerciseContext.h"
#include "framework/RowPart.h"

#include <ui/Image.h>
#include <ui/ImageList.h>

#include <functional>
#include <string>
#include <vector>

namespace framework {

class ChoiceRows;

// One row's choice image; its Tag is the row.
class TVolbaImage : public ui::Image {
public:
    TVolbaImage(ChoiceRows& rows, int row) : rows_(rows) { setTag(row); }
    int row() const { return tag(); }
    int counter() const { return counter_; }
    // True while the row can be answered; checking clears it.
    bool clickable = true;

protected:
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(const ui::MouseEvent& e) override;

private:
    friend class ChoiceRows;
    ChoiceRows& rows_;
    int counter_ = 0;
};

struct ChoiceGeometry {
    int left = 547;
    int pitch = 36;     // pixels from one row to the next
    int topOffset = 54; // the image's top: pitch * r + topOffset
    int width = 58;
    int height = 32;
    std::string name = "Volba"; // the images are named name + row
    // One picture per state, relative to the CD root: frame k - 1 of the image list is state k.
    std::vector<std::string> pictures;
    // The answer of each state, in the same order.
    std::vector<std::string> answers;
    int resetCounter = 0;       // the counter of a new example (0: no picture)
    bool visibleAtReset = true; // a new example shows the image
    int remarkSlot = 1;         // the key is the remark of this slot (1-based)
};

// As a row part: layout shows nothing (the image waits from the reset), a row is right when its
// image was clicked and its answer equals the sentence remark exactly.
class ChoiceRows : public RowPart {
public:
    // Creates the images of rows 1 to `rows` on `parent`, with the state after a reset, and loads the
    // pictures into the image list (platform::FileError when one is missing).
    ChoiceRows(ui::Control& parent, const ScreenServices& env, ChoiceGeometry geometry, int rows = 10);

    TVolbaImage& image(int r) const { return *images_.at(std::size_t(r - 1)); }
    const ui::ImageList& pictures() const { return pictures_; }
    int states() const { return int(geometry_.answers.size()); }

    // The click on row r's image while it is clickable: the next state, its picture, OnChoose.
    void choose(int r);
    // Row r's answer: that of its state, empty at counter 0.
    std::string answer(int r) const;
    // Puts row r in state `counter` (0: no picture) without telling OnChoose.
    void set(int r, int counter);

    // A new example: the reset counter with its picture, clickable, shown or hidden as configured.
    void reset(int r);
    // Row r under the cover of a last page of five.
    void hide(int r) override { image(r).hide(); }

    void layout(int, const Sentence&) override {}
    void clear(int r) override { reset(r); }
    bool judge(int r, const Sentence& s) override {
        freeze(r);
        return image(r).counter() > 0 && answer(r) == s.at(std::size_t(geometry_.remarkSlot - 1)).remark;
    }
    bool answered(int r) const override { return image(r).counter() != geometry_.resetCounter; }
    // After the check: clicks no longer change the answer.
    void freeze(int r) { image(r).clickable = false; }

    // After a click has changed row r's state (the exercise's side effects).
    std::function<void(int row, int counter)> OnChoose;
    // When set, a click on a clickable image calls this instead of moving to the next state (the
    // image then shows what is chosen elsewhere, through set()).
    std::function<void(int row)> OnClick;

private:
    friend class TVolbaImage;
    const ScreenServices& env_;
    ChoiceGeometry geometry_;
    ui::ImageList pictures_;
    std::vector<TVolbaImage*> images_;
};

} // namespace framework
