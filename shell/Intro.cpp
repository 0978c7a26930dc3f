#include "shell/Intro.h"

#include "shell/Pozadi.h"

#include "platform/clock.h"
#include "ui/Application.h"
#include "ui/Painter.h"

namespace shell {

TIntroForm::TIntroForm(ui::Application& app, Pozadi& env) : ui::Form(app) {
    setName("IntroForm");
    setBounds(0, 0, 640, 480);
    setColor(9197857);
    picture_ = ui::Bitmap::load(env.cd("\\Bitmap\\Intro\\bckgrnd.bmp"));
    OnPaint = [this](ui::Form&, ui::Painter& p) { p.drawBitmap(picture_, 0, 0); };
    OnClick = [this](ui::Control&) { Kliknuto = true; };
    // A close request while the intro shows ends the program.
    OnClose = [this](ui::Form&, ui::CloseAction&) {
        Kliknuto = true;
        this->app().terminate();
    };
}

void TIntroForm::Zaviradlo() {
    platform::Clock& clock = app().clock();
    // The tick count wraps like a 32-bit counter: compare by signed difference.
    auto remaining = [&] { return std::int32_t(CasZavreni - clock.ticks()); };
    while (!Kliknuto && remaining() > 0 && !app().terminated())
        app().waitUntil([this] { return Kliknuto; }, std::uint32_t(remaining()));
    hide();
}

} // namespace shell
