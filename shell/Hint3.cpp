#include "shell/Hint3.h"

#include "ui/Label.h"

namespace shell {

THintForm3::THintForm3(ui::Application& app, const framework::ScreenServices& env)
    : HintBubble(app, env, 605, 37, true, "\\Bitmap\\Games\\hint_3.bmp", kHint3Outline) {
    setName("HintForm3");
    PokusnyLabel = &add<ui::Label>();
    PokusnyLabel->setName("PokusnyLabel");
    PokusnyLabel->setBounds(32, 9, PokusnyLabel->width(), PokusnyLabel->height());
    PokusnyLabel->hide();
    pictureToBack();
}

} // namespace shell
