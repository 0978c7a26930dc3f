#pragma once
// One line of UTF-8 text in the form font.
#include "ui/Control.h"
#include "ui/Painter.h"
#include "ui/TextMetrics.h"

#include <string>

namespace ui {

enum class TextLayout { Top, Center, Bottom };

class Label : public Control {
public:
    Label();

    const std::string& text() const { return text_; }
    void setText(std::string t);
    // Size in points at 96 pixels per inch (12 points is 16 pixels).
    int fontSize() const { return fontSize_; }
    void setFontSize(int points);
    bool bold() const { return bold_; }
    void setBold(bool b);
    // The narrow face of the form font (for a text that must fit a narrow box).
    bool narrow() const { return narrow_; }
    void setNarrow(bool n);
    Color fontColor() const { return fontColor_; }
    void setFontColor(Color c);
    // Background colour, painted unless the label is transparent.
    Color color() const { return color_; }
    void setColor(Color c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    // With automatic size the label is exactly as wide as its text (a space when it is empty) and
    // as high as the font's line.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool a);
    // Pixels kept free at the left and right of the text (a margin inside the label's colour).
    int indent() const { return indent_; }
    void setIndent(int pixels);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    TextLayout layout() const { return layout_; }
    void setLayout(TextLayout l);

    // Width of the current text in the current font (what the label measures for its size).
    int textWidth() const;
    // The font the text is drawn in. A label of fixed size (no automatic size) fits its text to
    // its width: its own size and face when the text fits there, else the narrow face, then
    // smaller sizes (ui::fitTexts); it keeps the baseline of its own size.
    FittedFont drawnFont() const;

protected:
    void paint(Painter& p) override;

private:
    void adjustSize();

    std::string text_;
    int fontSize_ = 12;
    bool bold_ = false;
    bool narrow_ = false;
    int indent_ = 0;
    Color fontColor_ = colors::Black;
    Color color_ = colors::BtnFace;
    bool transparent_ = false;
    bool autoSize_ = true;
    Alignment alignment_ = Alignment::Left;
    TextLayout layout_ = TextLayout::Top;
    CachedText rendered_;
};

} // namespace ui
