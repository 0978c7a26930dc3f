#include "shell/Help.h"

#include "ui/Painter.h"

namespace shell {

THelpForm::THelpForm(ui::Application& app, Pozadi&) : ui::Form(app) {
    setName("HelpForm");
    setBounds(0, 0, 640, 480);
    setColor(9526306);
    OnShow = [this](ui::Form&) { FormShow(); };
    OnPaint = [this](ui::Form&, ui::Painter& p) {
        if (!picture_.empty()) p.drawBitmap(picture_, 0, 0);
    };
    OnClick = [this](ui::Control&) { hide(); };
}

void THelpForm::FormShow() {
    picture_ = ui::Bitmap::load(Cesta);
    invalidate();
}

void THelpForm::Ukaz(const std::string& path) {
    Cesta = path;
    if (visible()) FormShow(); // shown again with another picture
    show();
    repaint();
}

} // namespace shell
