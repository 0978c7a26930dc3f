#include "shell/Hint.h"

#include "shell/Pozadi.h"

#include "ui/Image.h"
#include "ui/Label.h"

#include <vector>

namespace shell {

HintBubble::HintBubble(ui::Application& app, const framework::ScreenServices& env, int width, int height,
                       bool stayOnTop, std::string_view picture, const HintOutline& outline)
    : ui::Form(app) {
    setBounds(0, 0, width, height);
    setStayOnTop(stayOnTop);
    defaultCloseAction_ = ui::CloseAction::Free;
    IHint = &add<ui::Image>();
    IHint->setName("IHint");
    IHint->setBounds(0, 0, width, height);
    IHint->loadPicture(env.cd(picture));
    setRegion(std::vector<ui::Point>(outline.begin(), outline.end()));
}

void HintBubble::pictureToBack() {
    IHint->sendToBack();
}

THintForm::THintForm(ui::Application& app, const framework::ScreenServices& env)
    : HintBubble(app, env, 605, 57, true, "\\Bitmap\\Games\\hint.bmp", kHintOutline) {
    setName("HintForm");
    PokusnyLabel = &add<ui::Label>();
    PokusnyLabel->setName("PokusnyLabel");
    PokusnyLabel->setBounds(32, 24, PokusnyLabel->width(), PokusnyLabel->height());
    PokusnyLabel->hide();
    pictureToBack();
}

} // namespace shell
