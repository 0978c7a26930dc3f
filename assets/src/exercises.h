#pragma once
// What the pictures need to know about each exercise: its key, menu place, title and where its
// screen puts rows and answer controls, so that the background leaves exactly those places free.
#include <optional>
#include <string>
#include <vector>

namespace assets {

enum class RowKind {
    Pitch33, // rows 33 pixels apart, tools at the bottom
    Pitch36, // rows 36 pixels apart, continue button alone at the bottom
    TwoLine, // five rows of two lines, 73 pixels apart
    Cards,   // two columns of slots and a tray of cards
};

struct Span {
    int x = 0, w = 0;
};

struct Exercise {
    std::string key;   // "01" ... "14", "06b", "08b", "11b"
    int category = 0;  // menu category 1 to 5
    int slot = 0;      // place in the category, 1 to 4
    std::string title; // as the program writes it to the results log
    std::string blurb; // one short line for the menu
    std::string task;  // what to do, for the screen's free corner
    RowKind rows = RowKind::Pitch33;
    int paperRight = 603;        // the sentence sheet ends here
    std::optional<Span> choice;  // choice image, empty until clicked
    std::optional<Span> chooser; // chooser face, empty until a choice is made
    int chooserLabelX = 0;       // where the program writes the chooser's white text
    int chooserLabelW = 0;
    std::optional<int> answerField; // left of the three-letter answer field
    std::optional<Span> eraser;     // row eraser, shown only while the row has commas
    std::vector<std::string> tools; // tool picture stems ("po", "pr", "sm", "hl", "ve")

    int pitch() const;
    // Top of the 32-pixel-high controls (evaluation image, choice image) of row r.
    int rowTop(int r) const;
    int rowCount() const { return rows == RowKind::TwoLine ? 5 : 10; }
};

struct Category {
    std::string name;
    std::string blurb;
};

const std::vector<Exercise>& exercises();
const std::vector<Category>& categories();
const Exercise& exercise(const std::string& key);
// The exercises of a category in slot order.
std::vector<const Exercise*> inCategory(int category);

// Menu slot geometry (top, height) for the four-slot and three-slot layouts.
struct SlotGeometry {
    int top, height;
};
SlotGeometry slotGeometry(int slot, int slotsInCategory);

} // namespace assets
