#pragma once
// A one-line text field: caret, maximum length in characters, alignment, read-only, a filter that
// sees every typed character first, and a change event.
#include "ui/Control.h"
#include "ui/Painter.h"

#include <functional>
#include <string>

namespace ui {

class Edit : public Control {
public:
    Edit();

    const std::string& text() const { return text_; }
    // Sets the text (cut to maxLength) and raises the change event when it differs.
    void setText(std::string t);
    // 0 means no limit.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int chars);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);
    bool border() const { return border_; }
    void setBorder(bool b);
    Color color() const { return color_; }
    void setColor(Color c);
    int fontSize() const { return fontSize_; }
    void setFontSize(int points);
    Color fontColor() const { return fontColor_; }
    void setFontColor(Color c);
    // Caret position in characters.
    int caret() const { return caret_; }
    void setCaret(int chars);

    // Sees each typed character (UTF-8; "\b" for backspace) before it is applied; clearing it
    // drops the character.
    std::function<void(Edit&, std::string& ch)> OnKeyPress;
    Notify OnChange;

    bool canFocus() const override { return true; }

protected:
    // The subclass's look at a typed character, before OnKeyPress; clearing it drops it.
    virtual void keyPress(std::string&) {}
    // After every change of the text, before OnChange.
    virtual void change() {}

    void paint(Painter& p) override;
    void mouseDown(const MouseEvent& e) override;
    bool keyDown(const KeyEvent& e) override;
    void textInput(const std::string& ch) override;
    void focusChanged(bool focused) override;

private:
    void replaceText(std::string t, int caret);
    int textX() const;
    int charsFit(int x) const;

    std::string text_;
    int caret_ = 0;
    int maxLength_ = 0;
    Alignment alignment_ = Alignment::Left;
    bool readOnly_ = false;
    bool border_ = true;
    Color color_ = colors::White;
    int fontSize_ = 12;
    Color fontColor_ = colors::Black;
    int scroll_ = 0;
    CachedText rendered_;
};

} // namespace ui
