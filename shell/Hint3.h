#pragma once
// The low, wide hint bubble.
#include "shell/Hint.h"

namespace shell {

class THintForm3 : public HintBubble {
public:
    THintForm3(ui::Application& app, const framework::ScreenServices& env);
    ui::Label* PokusnyLabel = nullptr; // at 32, 9, hidden
};

} // namespace shell
