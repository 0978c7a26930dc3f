#pragma once
// A choice image that opens a pop-up list instead of cycling: a click on the row's image opens
// the list under it (above it near the bottom of the screen), and the chosen item's picture then
// stands in the image (exercise 03: the part of speech of the subject). One list serves all rows.
#include "framework/ChoiceImages.h"
#include "framework/PopupChooser.h"

#include <functional>
#include <string>
#include <vector>

namespace framework {

struct ChoiceListGeometry {
    ChoiceGeometry image; // the answers are the items' codes, the pictures their frames
    std::vector<std::string> items;
    int listWidth = 106;
    int listHeight = 100;
    int itemWidth = 102;
};

// As a row part: a row is right when an item was chosen and its code equals the sentence remark.
class ChoiceListRows : public ChoiceRows {
public:
    // `beforeOpen` runs first on every click that opens the list.
    ChoiceListRows(ui::Control& parent, const ScreenServices& env, ChoiceListGeometry geometry,
                   std::function<void()> beforeOpen = {}, int rows = 10);

    TMujListbox& list() const { return *list_; }
    // The click on row r's image: the click sound and the list, its top 8 pixels inside the image.
    void open(int r);
    void closePopups() override { list_->close(); }
    bool popupOpen() const override { return list_->visible(); }

private:
    const ScreenServices& env_;
    std::function<void()> beforeOpen_;
    TMujListbox* list_ = nullptr;
};

} // namespace framework
