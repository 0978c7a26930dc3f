#include "shell/Setup.h"

#include "shell/ExerciseScreens.h"
#include "shell/Pozadi.h"
#include "shell/Select.h"

#include "platform/encoding.h"
#include "platform/sound.h"
#include "ui/Application.h"

#include <SDL_keycode.h>

#include <cstdio>

namespace shell {

namespace {

constexpr int kSnimky = 23;

struct Geometrie {
    const char* jmeno;
    ui::Rect r;
};
constexpr Geometrie kCisla[5] = {{"I10", {133, 253, 35, 29}},
                                 {"I15", {204, 293, 43, 29}},
                                 {"I20", {203, 370, 43, 29}},
                                 {"I25", {128, 409, 43, 29}},
                                 {"I30", {52, 370, 43, 29}}};

} // namespace

std::array<int, 5> TSetupForm::hodnoty(int kodHry) {
    if (kodHry == 6) return {9, 18, 27, 36, 45};
    return {10, 15, 20, 25, 30};
}

std::string TSetupForm::cisloObrazek(int index, int chosen) const {
    char name[32];
    std::snprintf(name, sizeof name, "\\Bitmap\\Setup\\%02d_%d.bmp",
                  hodnoty(menu_.KodHry)[std::size_t(index)], chosen);
    return env_.cd(name);
}

TSetupForm::TSetupForm(ui::Application& app, shell::Pozadi& env, TSelectForm& menu, const MenuLinks& links)
    : ui::Form(app), env_(env), menu_(menu), links_(links),
      exercises_(std::make_unique<ShellExercises>(env, menu, *this, links)) {
    setName("SetupForm");
    setBounds(0, 0, 640, 480);
    setColor(9197857);
    defaultCloseAction_ = ui::CloseAction::Free;

    auto image = [this](const char* name, ui::Rect r) {
        controls::TObrazek& i = add<controls::TObrazek>();
        i.setName(name);
        i.setBounds(r);
        return &i;
    };
    auto arrowCursor = [this](ui::Control&) { env_.setCursor(crSipka); };

    Pozadi = image("Pozadi", {0, 0, 640, 480});
    IZpet = image("IZpet", {546, 5, 91, 75});
    IZpet->OnClick = [this](ui::Control&) { IZpetClick(); };
    IZpet->OnMouseEnter = [this](ui::Control&) {
        IZpet->loadPicture(env_.cd("\\Bitmap\\Setup\\zpeth.bmp"));
        env_.playEnter();
        env_.setCursor(crRuka);
    };
    IZpet->OnMouseLeave = [this](ui::Control&) {
        IZpet->loadPicture(env_.cd("\\Bitmap\\Setup\\zpet.bmp"));
        env_.setCursor(crSipka);
    };
    LevaSipka = image("LevaSipka", {101, 293, 88, 100});

    ITiskni = image("ITiskni", {47, 457, 96, 23});
    ITiskni->setEnabled(false);
    ITiskni->OnClick = [this](ui::Control&) { ITiskniClick(); };
    ITiskni->OnMouseLeave = arrowCursor;

    for (int i = 0; i < 5; ++i) {
        controls::TObrazek* b = image(kCisla[i].jmeno, kCisla[i].r);
        b->setTag(1);
        b->OnClick = [this, i](ui::Control&) { ICisloClick(i); };
        b->OnMouseEnter = [this](ui::Control&) {
            env_.playEnter();
            env_.setCursor(crRuka);
        };
        b->OnMouseLeave = arrowCursor;
        ICisla[std::size_t(i)] = b;
    }

    IPokracuj = image("IPokracuj", {500, 457, 94, 23});
    IPokracuj->setEnabled(false);
    IPokracuj->OnClick = [this](ui::Control&) { IPokracujClick(); };
    IPokracuj->OnMouseLeave = arrowCursor;
    IPokracuj->setHint("Pokračovať (Enter)");
    IPokracuj->setShowHint(true);
    // Only an enabled button greets the mouse.
    for (controls::TObrazek* b : {IPokracuj, ITiskni})
        b->OnMouseEnter = [this](ui::Control& c) {
            if (!c.enabled()) return;
            env_.playEnter();
            env_.setCursor(crRuka);
        };

    IBrevion = image("IBrevion", {16, 8, 521, 65});
    IBrevion->OnClick = [this](ui::Control&) { IBrevionClick(); };
    IBrevion->OnMouseEnter = [this](ui::Control&) {
        env_.playEnter();
        env_.setCursor(crNapoveda);
    };
    IBrevion->OnMouseLeave = arrowCursor;

    EJmeno = &add<controls::TGRAlignEdit>();
    EJmeno->setName("EJmeno");
    EJmeno->setBounds(407, 333, 195, 20);
    EJmeno->setBorder(false);
    EJmeno->setColor(ui::colors::White);
    // A name must fit a results table line ("|" separates its fields) and the Windows-1250 files.
    EJmeno->OnKeyPress = [this](ui::Edit&, std::string& ch) {
        if (ch == "\b") return;
        if (ch.find('|') != std::string::npos || !platform::representableInCp1250(ch)) {
            ch.clear();
            this->app().sound().beep();
        }
    };
    EJmeno->OnChange = [this](ui::Control&) {
        TlacitkoPokracuj();
        TlacitkoTiskni();
    };

    // An exercise without a screen says so plainly; its buttons never light.
    LNedostupne = &add<ui::Label>();
    LNedostupne->setName("LNedostupne");
    LNedostupne->setAutoSize(false);
    LNedostupne->setBounds(300, 400, 314, 30);
    LNedostupne->setFontSize(11);
    LNedostupne->setBold(true);
    LNedostupne->setFontColor(11988223); // the light yellow of the lists
    LNedostupne->setTransparent(true);
    LNedostupne->setAlignment(ui::Alignment::Center);
    LNedostupne->setLayout(ui::TextLayout::Center);
    LNedostupne->setText("Toto cvičenie sa ešte pripravuje.");

    OnShow = [this](ui::Form&) {
        TlacitkoPokracuj();
        TlacitkoTiskni();
    };

    // FormCreate
    pokracujRozsviceno_ = tiskniRozsviceno_ = false;
    const std::string klic = KlicHry(menu_.KodHry);
    if (klic.empty())
        Pozadi->clearPicture();
    else
        Pozadi->loadPicture(env_.cd("\\Bitmap\\Setup\\bckg" + klic + ".bmp"));
    IZpet->loadPicture(env_.cd("\\Bitmap\\Setup\\zpet.bmp"));
    ILPokracuj.add(ui::Bitmap::load(env_.cd("\\Bitmap\\Setup\\pokrac4.bmp")));
    ILTiskni.add(ui::Bitmap::load(env_.cd("\\Bitmap\\Setup\\tiskni2.bmp")));
    for (const char* n : {"10", "15", "20", "25", "30"})
        ILSipka.add(ui::Bitmap::load(env_.cd(std::string("\\Bitmap\\Setup\\sipka_") + n + ".bmp")));
    for (int i = 0; i < 5; ++i)
        ICisla[std::size_t(i)]->loadPicture(cisloObrazek(i, 0));
    menu_.PocetPrikladu = 0;
    LNedostupne->setVisible(!maObrazovku());
    TlacitkoPokracuj();
    TlacitkoTiskni();
    EJmeno->setFocus();
}

TSetupForm::~TSetupForm() = default;

framework::ExerciseContext TSetupForm::exerciseContext() const {
    return {app(), env_, *exercises_, *exercises_, *exercises_, env_.libraries()};
}

std::string TSetupForm::jmeno() const {
    return EJmeno->text();
}

void TSetupForm::animuj(const ui::ImageList& frames, controls::TObrazek& button) {
    for (int i = 0; i < kSnimky; ++i) {
        frames.copyTo(i, button);
        button.repaint();
        env_.Cekej(20);
    }
}

bool TSetupForm::maObrazovku() const {
    return links_.screens.has(menu_.KodHry);
}

void TSetupForm::TlacitkoPokracuj() {
    if (menu_.PocetPrikladu != 0 && !EJmeno->text().empty() && maObrazovku()) {
        if (pokracujRozsviceno_) return;
        pokracujRozsviceno_ = true;
        animuj(ILPokracuj, *IPokracuj);
        IPokracuj->setEnabled(true);
    } else {
        IPokracuj->loadPicture(env_.cd("\\Bitmap\\Setup\\pokrac3.bmp"));
        IPokracuj->repaint();
        pokracujRozsviceno_ = false;
        IPokracuj->setEnabled(false);
    }
}

void TSetupForm::TlacitkoTiskni() {
    if (menu_.PocetPrikladu == 0 || !maObrazovku()) {
        ITiskni->loadPicture(env_.cd("\\Bitmap\\Setup\\tiskni1.bmp"));
        ITiskni->repaint();
        tiskniRozsviceno_ = false;
        ITiskni->setEnabled(false);
    } else if (!tiskniRozsviceno_) {
        tiskniRozsviceno_ = true;
        animuj(ILTiskni, *ITiskni);
        ITiskni->setEnabled(true);
    }
}

void TSetupForm::ICisloClick(int index) {
    controls::TObrazek& b = *ICisla[std::size_t(index)];
    if (b.tag() == 0) return;
    env_.playClick();
    b.loadPicture(cisloObrazek(index, 1));
    menu_.PocetPrikladu = hodnoty(menu_.KodHry)[std::size_t(index)];
    b.setTag(0);
    for (controls::TObrazek* jine : ICisla)
        if (jine != &b && jine->tag() == 0) {
            jine->setTag(1);
            jine->clearPicture();
        }
    ILSipka.copyTo(index, *LevaSipka);
    LevaSipka->repaint();
    TlacitkoPokracuj();
    TlacitkoTiskni();
}

bool TSetupForm::keyDown(const ui::KeyEvent& e) {
    if (e.key != SDLK_RETURN && e.key != SDLK_KP_ENTER) return false;
    if (IPokracuj->enabled()) IPokracujClick();
    return true;
}

void TSetupForm::IPokracujClick() {
    env_.playClick();
    RezimTisku = false;
    if (!maObrazovku()) return;
    if (ui::Form* screen = links_.screens.open(menu_.KodHry, exerciseContext())) screen->show();
}

void TSetupForm::ITiskniClick() {
    env_.playClick();
    if (!maObrazovku()) return;
    // The flag must not outlive the print, even when printing fails.
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{RezimTisku};
    RezimTisku = true;
    links_.screens.open(menu_.KodHry, exerciseContext());
}

void TSetupForm::IZpetClick() {
    env_.playClick();
    menu_.show();
    menu_.repaint();
    close();
}

void TSetupForm::IBrevionClick() {
    env_.playClick();
    const int kod = menu_.KodHry;
    if (kod == 6)
        menu_.ukazNapovedu("\\Bitmap\\Help\\setup06.bmp");
    else if (!KlicHry(kod).empty())
        menu_.ukazNapovedu("\\Bitmap\\Help\\setup.bmp");
}

} // namespace shell
