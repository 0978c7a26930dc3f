#pragma once
// The speech-bubble hint windows that exercise screens open next to a word. Each is cut to its
// 13-corner outline: outside it the screen below shows and takes the mouse. A hint window frees
// itself when it is closed.
#include "shell/HintOutlines.h"
#include "ui/Form.h"

#include <string_view>

namespace ui {
class Image;
class Label;
} // namespace ui

namespace framework {
class ScreenServices;
}

namespace shell {

// What the three hint windows share: the bubble picture `IHint` filling the window, the outline.
class HintBubble : public ui::Form {
public:
    ui::Image* IHint = nullptr;

protected:
    HintBubble(ui::Application& app, const framework::ScreenServices& env, int width, int height,
               bool stayOnTop, std::string_view picture, const HintOutline& outline);
    // Puts the picture behind the controls the subclass has added.
    void pictureToBack();
};

class THintForm : public HintBubble {
public:
    THintForm(ui::Application& app, const framework::ScreenServices& env);
    ui::Label* PokusnyLabel = nullptr; // at 32, 24, hidden
};

} // namespace shell
