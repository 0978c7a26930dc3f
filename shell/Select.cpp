#include "shell/Select.h"

#include "shell/Help.h"
#include "shell/Intro.h"
#include "shell/Pozadi.h"
#include "shell/Setup.h"
#include "shell/SoundSwitch.h"

#include "controls/JustOne.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "ui/Application.h"
#include "ui/Painter.h"

#include <iostream>
#include <vector>

namespace shell {

namespace {

struct Kategorie {
    std::vector<const char*> hry; // exercise keys in slot order
};

const Kategorie kKategorie[5] = {
    {{"01", "02", "03", "04"}},  {{"05", "06", "06b"}}, {{"07", "08", "08b"}},
    {{"09", "10", "11", "11b"}}, {{"13", "14", "12"}},
};

struct Slot {
    int top, height;
};
constexpr Slot kCtyri[4] = {{140, 80}, {219, 69}, {287, 69}, {355, 83}};
constexpr Slot kTri[3] = {{140, 102}, {241, 93}, {333, 105}};

constexpr const char* kDataFilesMessage =
    "Nemožno načítať grafické alebo dátové súbory.\rAplikácia bude ukončená.";

const Kategorie& kategorie(int n) {
    return kKategorie[n - 1];
}

std::string kategorieObrazek(int n, int open) {
    return "\\Bitmap\\Select\\l_" + std::to_string(n) + "_" + std::to_string(open) + ".bmp";
}

std::string slotObrazek(const char* klic, int lit) {
    return std::string("\\Bitmap\\Select\\r_") + klic + "_" + std::to_string(lit) + ".bmp";
}

} // namespace

TSelectForm::TSelectForm(ui::Application& app, Pozadi& env, const MenuLinks& links,
                         std::unique_ptr<platform::SingleInstance> instance)
    : ui::Form(app), env_(env), links_(links) {
    setName("SelectForm");
    setBounds(0, 0, 640, 480);
    setColor(9197857);

    auto button = [this](const std::string& name, ui::Rect r, int tag) {
        controls::TObrazek& b = add<controls::TObrazek>();
        b.setName(name);
        b.setBounds(r);
        b.setTag(tag);
        b.OnMouseLeave = [this](ui::Control&) { ILeftMouseLeave(); };
        return &b;
    };

    IBrevion = button("IBrevion", {16, 8, 521, 65}, 0);
    IBrevion->OnClick = [this](ui::Control&) { ukazNapovedu("\\Bitmap\\Help\\autori.bmp"); };
    IBrevion->OnMouseEnter = [this](ui::Control&) {
        env_.playEnter();
        env_.setCursor(crNapoveda);
    };
    for (int n = 1; n <= 5; ++n) {
        controls::TObrazek* b = button("ILeft" + std::to_string(n), {8, 140 + 61 * (n - 1), 300, 53}, n);
        b->OnClick = [this, n](ui::Control&) { ILeftClick(n); };
        b->OnMouseEnter = [this](ui::Control&) {
            env_.playEnter();
            env_.setCursor(crRuka);
        };
        ILeft[std::size_t(n - 1)] = b;
    }
    for (int k = 1; k <= 4; ++k) {
        controls::TObrazek* b =
            button("IRight" + std::to_string(k), {333, kCtyri[k - 1].top, 300, kCtyri[k - 1].height}, 0);
        b->OnMouseEnter = [this, k](ui::Control&) { IRightMouseEnter(k); };
        IRight[std::size_t(k - 1)] = b;
    }
    IKonec = button("IKonec", {546, 5, 91, 75}, 0);
    IKonec->OnClick = [this](ui::Control&) { IKonecClick(); };
    IKonec->OnMouseEnter = [this](ui::Control&) {
        IKonec->loadPicture(env_.cd("\\Bitmap\\Select\\konech.bmp"));
        env_.playEnter();
        env_.setCursor(crRuka);
    };
    IKonec->OnMouseLeave = [this](ui::Control&) {
        IKonec->loadPicture(env_.cd("\\Bitmap\\Select\\konec.bmp"));
        env_.setCursor(crSipka);
    };

    IZvuk = button("IZvuk", {598, 442, 32, 32}, 0);
    IZvuk->OnClick = [this](ui::Control&) { IZvukClick(); };
    IZvuk->OnMouseEnter = [this](ui::Control&) {
        ukazZvuk(true);
        env_.playEnter();
        env_.setCursor(crRuka);
    };
    IZvuk->OnMouseLeave = [this](ui::Control&) {
        ukazZvuk(false);
        env_.setCursor(crSipka);
    };
    IZvuk->setShowHint(true);

    // FormCreate
    this->app().setErrorHandler([this](std::exception_ptr error) { AppOnException(error); });
    background_ = ui::Bitmap::load(env_.cd("\\Bitmap\\Select\\bckg.bmp"));
    IKonec->loadPicture(env_.cd("\\Bitmap\\Select\\konec.bmp"));
    ukazZvuk(false);
    OnPaint = [this](ui::Form&, ui::Painter& p) { p.drawBitmap(background_, 0, 0); };
    OnCloseQuery = [this](ui::Form&) { return FormCloseQuery(); };

    auto& justOne = addComponent<controls::TXJustOne>(this->app(), std::move(instance));
    justOne.SwitchToPrevious = true;
    justOne.Terminate = true;
    justOne.AlreadyExist = [this](controls::TXJustOne&) { XJustOne1AlreadyExist(); };
}

void TSelectForm::ukazZvuk(bool lit) {
    const bool on = links_.sound.on();
    IZvuk->loadPicture(
        env_.cd(std::string("\\Bitmap\\Select\\zvuk") + (on ? "1" : "0") + (lit ? "h" : "") + ".bmp"));
    IZvuk->setHint(on ? "Vypnúť zvuk" : "Zapnúť zvuk");
}

// A sound switched on greets with the click; one switched off is silent at once.
void TSelectForm::IZvukClick() {
    const bool on = !links_.sound.on();
    // The picture follows the switch even when the choice cannot be written (the error follows).
    struct Picture {
        TSelectForm& form;
        ~Picture() { form.ukazZvuk(true); }
    } picture{*this};
    links_.sound.setOn(on);
    env_.playClick();
}

void TSelectForm::ILeftMouseLeave() {
    env_.setCursor(crSipka);
}

void TSelectForm::ILeftClick(int n) {
    controls::TObrazek& tlacitko = *ILeft[std::size_t(n - 1)];
    if (tlacitko.tag() == 0) return;
    env_.playClick();
    tlacitko.loadPicture(env_.cd(kategorieObrazek(n, 1)));

    const Kategorie& nova = kategorie(n);
    const bool stejneRozlozeni =
        AktivniKategorie != 0 && kategorie(AktivniKategorie).hry.size() == nova.hry.size();
    if (!stejneRozlozeni) {
        for (controls::TObrazek* slot : IRight) {
            slot->hide();
            slot->setTag(1);
        }
        const bool ctyri = nova.hry.size() == 4;
        for (std::size_t k = 0; k < 4; ++k) {
            const Slot& s = ctyri ? kCtyri[k] : kTri[std::min<std::size_t>(k, 2)];
            if (ctyri || k < 3) IRight[k]->setBounds(333, s.top, 300, s.height);
        }
        for (std::size_t k = 0; k < 3; ++k)
            IRight[k]->show();
        IRight[3]->setVisible(ctyri);
    }
    for (std::size_t k = 0; k < nova.hry.size(); ++k)
        IRight[k]->loadPicture(env_.cd(slotObrazek(nova.hry[k], 0)));
    for (int m = 1; m <= 5; ++m) {
        controls::TObrazek& jine = *ILeft[std::size_t(m - 1)];
        if (m != n && jine.tag() == 0) jine.loadPicture(env_.cd(kategorieObrazek(m, 0)));
    }
    for (int m = 1; m <= 5; ++m)
        ILeft[std::size_t(m - 1)]->setTag(m == n ? 0 : 1);
    AktivniKategorie = n;
}

void TSelectForm::IRightMouseEnter(int k) {
    controls::TObrazek& slot = *IRight[std::size_t(k - 1)];
    if (slot.tag() == 0 || AktivniKategorie == 0) return;
    env_.playEnter();
    env_.setCursor(crRuka);
    const Kategorie& kat = kategorie(AktivniKategorie);
    if (std::size_t(k) > kat.hry.size()) return;
    const int kod = KodHryKlice(kat.hry[std::size_t(k - 1)]);
    slot.OnClick = [this, kod](ui::Control&) { RightClick(kod); };
    for (std::size_t i = 0; i < kat.hry.size(); ++i)
        IRight[i]->loadPicture(env_.cd(slotObrazek(kat.hry[i], int(i) == k - 1 ? 1 : 0)));
}

void TSelectForm::RightClick(int kod) {
    env_.playClick();
    KodHry = kod;
    TSetupForm& setup = app().create<TSetupForm>(env_, *this, links_);
    setup_ = &setup;
    setup.OnDestroy = [this, &setup](ui::Form&) {
        if (setup_ == &setup) setup_ = nullptr;
    };
    setup.show();
    setup.repaint();
}

void TSelectForm::ukazNapovedu(std::string_view relativePicture) const {
    links_.help.Ukaz(env_.cd(relativePicture));
}

void TSelectForm::IKonecClick() {
    env_.playClick();
    close();
}

bool TSelectForm::FormCloseQuery() {
    return env_.messageBoxes().show("Ukončenie aplikácie", "Skutočne chcete ukončiť tento program?",
                                    platform::MessageIcon::Question,
                                    platform::MessageButtons::YesNo) == platform::MessageResult::Yes;
}

void TSelectForm::XJustOne1AlreadyExist() {
    links_.intro.Kliknuto = true;
    app().terminate();
}

void TSelectForm::AppOnException(std::exception_ptr error) {
    using platform::MessageButtons;
    using platform::MessageIcon;
    try {
        std::rethrow_exception(error);
    } catch (const platform::PrinterError& e) {
        if (e.noDefaultPrinter()) {
            env_.messageBoxes().show("Upozornenie pri tlači",
                                     e.notice().empty() ? "Nie je nainštalovaná žiadna tlačiareň."
                                                        : e.notice(),
                                     MessageIcon::Information, MessageButtons::Ok);
            return;
        }
        std::cerr << "brevion: " << e.what() << '\n';
        env_.messageBoxes().show("Chyba aplikácie", kDataFilesMessage, MessageIcon::Error,
                                 MessageButtons::Ok);
    } catch (const platform::ConversionError& e) {
        std::cerr << "brevion: " << e.what() << '\n';
        env_.messageBoxes().show(
            "Chyba aplikácie",
            "Možné zlé nastavenie reprezentácie desatinnej čiarky v systéme Windows.\r"
            "Skontrolujte nastavenie v Ovládacích paneloch / Miestne nastavenia, záložka "
            "Čísla,\rpoložka Oddeľovač desatinných miest, či je tam desatinná čiarka "
            "namiesto bodky.",
            MessageIcon::Error, MessageButtons::Ok);
    } catch (const platform::FileError& e) {
        std::cerr << "brevion: " << e.what() << '\n';
        if (e.toldAndRefused()) return;
        env_.messageBoxes().show("Chyba aplikácie", kDataFilesMessage, MessageIcon::Error,
                                 MessageButtons::Ok);
    } catch (const std::exception& e) {
        std::cerr << "brevion: " << e.what() << '\n';
        env_.messageBoxes().show("Chyba aplikácie", kDataFilesMessage, MessageIcon::Error,
                                 MessageButtons::Ok);
    }
    UkoncenoChybou = true;
    app().terminate();
}

} // namespace shell
