#pragma once
// The small hint bubble with one centred text.
#include "shell/Hint.h"

namespace shell {

class THintForm2 : public HintBubble {
public:
    THintForm2(ui::Application& app, const framework::ScreenServices& env);
    ui::Label* HL = nullptr; // at 10, 13, 185 by 20: centred, transparent, fixed size
};

} // namespace shell
