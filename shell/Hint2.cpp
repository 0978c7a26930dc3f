#include "shell/Hint2.h"

#include "ui/Label.h"

namespace shell {

THintForm2::THintForm2(ui::Application& app, const framework::ScreenServices& env)
    : HintBubble(app, env, 212, 37, false, "\\Bitmap\\Games\\hint_2.bmp", kHint2Outline) {
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
