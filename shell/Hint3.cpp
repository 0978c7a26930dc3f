#include "shell/Hint3.h"

#include "ui/Label.h"

namespace shell {

const HintOutline THintForm3::kOutline = {{{0, 20},
                                           {1, 16},
                                           {7, 10},
                                           {10, 9},
                                           {584, 9},
                                           {604, 1},
                                           {597, 19},
                                           {597, 26},
                                           {593, 32},
                                           {586, 37},
                                           {11, 37},
                                           {3, 32},
                                           {0, 26}}};

THintForm3::THintForm3(ui::Application& app, Pozadi& env)
    : HintBubble(app, env, 605, 37, true, "\\Bitmap\\Games\\hint_3.bmp", kOutline) {
    setName("HintForm3");
    PokusnyLabel = &add<ui::Label>();
    PokusnyLabel->setName("PokusnyLabel");
    PokusnyLabel->setBounds(32, 9, PokusnyLabel->width(), PokusnyLabel->height());
    PokusnyLabel->hide();
    pictureToBack();
}

} // namespace shell
