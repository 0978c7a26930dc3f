#pragma once
// What the rows of an exercise screen are made of. A part owns one kind of control in every row
// (the sentence's words, a chooser, a choice image, comma marks, ...) and answers for it; the
// screen owns its parts and calls them in the order they were added. A row is right when every
// part of it is right.
#include "framework/SentenceFile.h"

namespace framework {

class RowPart {
public:
    virtual ~RowPart() = default;

    // Shows the sentence in row r (1-based) of a new page or new examples.
    virtual void layout(int r, const Sentence& s) = 0;
    // Empties row r for a new example: cleared, hidden or reset to unanswered.
    virtual void clear(int r) = 0;
    // Hides row r under the cover of a last page of five.
    virtual void hide(int r) = 0;
    // Freezes row r's answer and says whether this part of it is right (true for a part that only
    // shows the sentence).
    virtual bool judge(int r, const Sentence& s) = 0;
    // All rows' answers cleared before a page is laid out.
    virtual void clearAnswers() {}
    // Loads the part's own pictures (tools) once the screen's background is loaded.
    virtual void loadPictures() {}
    // Closes what the part has open over the page (a pop-up list).
    virtual void closePopups() {}
    // Whether the pupil has answered something in row r (a mark, a choice, a comma, a typed text).
    virtual bool answered(int) const { return false; }
    // Whether the part has a pop-up list open over the page.
    virtual bool popupOpen() const { return false; }
    // Tools back to normal (Tag 0, normal picture) and the current tool none; locked after a check.
    virtual void resetTools() {}
    virtual void lockTools() {}
};

} // namespace framework
