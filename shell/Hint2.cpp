#include "shell/Hint2.h"

#include "ui/Label.h"

namespace shell {

const HintOutline THintForm2::kOutline = {{{0, 20},
                                           {1, 16},
                                           {7, 10},
                                           {10, 9},
                                           {190, 9},
                                           {211, 1},
                                           {204, 19},
                                           {204, 26},
                                           {200, 33},
                                           {192, 37},
                                           {11, 37},
                                           {3, 32},
                                           {0, 26}}};

THintForm2::THintForm2(ui::Application& app, Pozadi& env)
    : HintBubble(app, env, 212, 37, false, "\\Bitmap\\Games\\hint_2.bmp", kOutline) {
    setName("HintForm2");
    HL = &add<ui::Label>();
    HL->setName("HL");
    HL->setAutoSize(false);
    HL->setTransparent(true);
    HL->setAlignment(ui::Alignment::Center);
    HL->setBounds(10, 13, 185, 20);
    pictureToBack();
}

} // namespace shell
