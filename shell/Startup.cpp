#include "shell/Startup.h"

#include "results/Table1.h"
#include "shell/ExerciseScreens.h"
#include "shell/Help.h"
#include "shell/Intro.h"
#include "shell/Pozadi.h"
#include "shell/Select.h"
#include "shell/SoundSwitch.h"
#include "shell/WindowSetting.h"

#include "platform/clock.h"
#include "platform/display.h"
#include "platform/errors.h"
#include "platform/ini.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "platform/signals.h"
#include "platform/single_instance.h"
#include "ui/Application.h"
#include "ui/PictureFile.h"

#include <iostream>
#include <utility>

namespace shell {

namespace {

constexpr const char* kChyba = "Chyba";
constexpr std::uint32_t kIntroMs = 10000;

constexpr const char* kObrazkyCD[] = {"\\Bitmap\\Games\\01bckg.bmp", "\\Bitmap\\Intro\\bckgrnd.bmp",
                                      "\\Bitmap\\Select\\bckg.bmp"};
constexpr const char* kSouboryHD[] = {"\\Znamky.dat", "\\01.dat", "\\02.dat",  "\\03.dat", "\\04.dat",
                                      "\\05.dat",     "\\06.dat", "\\06b.dat", "\\07.dat", "\\08.dat",
                                      "\\08b.dat",    "\\09.dat", "\\10.dat",  "\\11.dat", "\\11b.dat",
                                      "\\12.dat",     "\\13.dat", "\\14.dat"};

bool vsechnyExistuji(const std::string& root, const auto& relatives, bool (*exists)(const std::string&)) {
    for (const char* relative : relatives)
        if (!exists(platform::joinPath(root, relative))) return false;
    return true;
}

void chyba(platform::MessageBoxes& boxes, const char* text) {
    boxes.show(kChyba, text, platform::MessageIcon::Error, platform::MessageButtons::Ok);
}

} // namespace

Koreny NactiKoreny(const std::string& iniPath) {
    const platform::IniFile ini = platform::IniFile::load(iniPath);
    Koreny k{ini.readString("CES1", "CD", kChyba), ini.readString("CES1", "HD", kChyba)};
    k.hd = platform::stripOneTrailingSeparator(k.hd);
    k.cd = platform::stripOneTrailingSeparator(k.cd);
    return k;
}

Instalace ZkontrolujInstalaci(const Koreny& k) {
    if (k.cd == kChyba || k.hd == kChyba) return Instalace::ChybiIni;
    if (!vsechnyExistuji(k.cd, kObrazkyCD, ui::pictureFileExists)) return Instalace::ChybiCD;
    if (!vsechnyExistuji(k.hd, kSouboryHD, platform::fileExists)) return Instalace::ChybiHD;
    return Instalace::V_poradku;
}

Program::Program(Sluzby& sluzby) : sluzby_(sluzby) {}

Program::~Program() {
    if (sluzby_.signals) sluzby_.signals->setHandler(nullptr);
    platform::setDisplayLostHandler(nullptr);
    // The screens go before the environment they refer to.
    app_.reset();
}

bool Program::start() {
    const Koreny koreny = NactiKoreny(sluzby_.iniPath);
    switch (ZkontrolujInstalaci(koreny)) {
    case Instalace::ChybiIni:
        chyba(sluzby_.systemBoxes, "Nemožno nájsť súbor BREVION.INI. Nainštalujte aplikáciu znova.");
        failed_ = true;
        return false;
    case Instalace::ChybiCD:
        chyba(sluzby_.systemBoxes,
              "Nemožno korektne čítať z CD-ROM Brevion.\rSkontrolujte, či je CD-ROM v CD mechanike.");
        failed_ = true;
        return false;
    case Instalace::ChybiHD:
        chyba(sluzby_.systemBoxes, "Nemožno nájsť súbory zo zdrojmi dát.\rNainštalujte aplikáciu znova.");
        failed_ = true;
        return false;
    case Instalace::V_poradku:
        break;
    }

    sound_ =
        std::make_unique<SoundSwitch>(sluzby_.sound, soundSettingsPath(sluzby_.iniPath), sluzby_.schoolSound);
    app_ = std::make_unique<ui::Application>(sluzby_.display, sluzby_.clock, *sound_);
    if (sluzby_.signals)
        sluzby_.signals->setHandler([app = app_.get()] { app->post([app] { app->terminate(); }); });
    if (sluzby_.windowBoxes) app_->setMessageBoxes(*sluzby_.windowBoxes);
    // The X server gone: nothing can be shown any more, but a result on screen is still written.
    platform::setDisplayLostHandler([this] {
        if (!forms_) return;
        try {
            forms_->table.UlozPokudZobrazena();
        } catch (const platform::FileError&) {
            // already written to standard error, with the file and the cause
        }
    });
    env_ = std::make_unique<Pozadi>(*app_, sluzby_.libraries, koreny.cd, koreny.hd);
    backdrop_ = &app_->create<TPozadiForm>();
    backdrop_->show();

    // The window carries the title from the start; the single-instance check of the menu uses it too.
    app_->setTitle(kProgramTitle);
    sluzby_.display.rememberWindowSize(loadWindowSize(windowSettingsPath(sluzby_.iniPath)));
    const bool fullscreenHad = app_->openWindow(true);
    startWindowSize_ = sluzby_.display.windowSize();
    if (!fullscreenHad)
        app_->messageBoxes().show(
            "Chyba prepnutia zobrazovacieho módu",
            "            Grafická karta neumožňuje okamžité prepnutie\rdo celoobrazovkového "
            "módu. Aplikácia bude spúšťaná v okne.",
            platform::MessageIcon::Information, platform::MessageButtons::Ok);

    try {
        env_->Znamky = results::NactiZnamky(env_->hd("\\Znamky.dat"));

        TIntroForm& intro = app_->create<TIntroForm>(*env_);
        intro.show();
        intro.repaint();
        intro.CasZavreni = sluzby_.clock.ticks() + kIntroMs;

        // The menu hands over to the results table and the help window, so they come first.
        auto& table = app_->create<results::TTabulka1Form>(env_->CestaCD);
        auto& help = app_->create<THelpForm>(*env_);
        auto& menu = app_->create<TSelectForm>(*env_, MenuLinks{intro, help, table, sluzby_.screens, *sound_},
                                               std::move(sluzby_.instance));
        app_->setMainForm(menu);
        forms_.emplace(ShellForms{intro, menu, table, help});

        intro.Zaviradlo();
    } catch (const std::exception& e) {
        // Nothing of the menu runs yet: report as its error handler would, and end.
        std::cerr << "brevion: " << e.what() << '\n';
        app_->messageBoxes().show("Chyba aplikácie",
                                  "Nemožno načítať grafické alebo dátové súbory.\rAplikácia bude ukončená.",
                                  platform::MessageIcon::Error, platform::MessageButtons::Ok);
        failed_ = true;
        return false;
    }
    return true;
}

void Program::run() {
    app_->run();
}

int Program::finish() {
    if (env_) {
        if (forms_ && forms_->menu.UkoncenoChybou) failed_ = true;
        if (forms_) {
            try {
                forms_->table.UlozPokudZobrazena();
            } catch (const platform::FileError&) {
                // each failure is already on standard error, with the file and the cause
                failed_ = true;
            }
        }
        if (backdrop_) {
            backdrop_->hide();
            app_->release(*backdrop_);
            backdrop_ = nullptr;
            app_->processMessages();
        }
        keepWindowSize();
        sluzby_.display.close();
    }
    return failed_ ? 1 : 0;
}

void Program::keepWindowSize() {
    const platform::WindowSize size = sluzby_.display.windowSize();
    if (!startWindowSize_ || *startWindowSize_ == size) return;
    try {
        saveWindowSize(windowSettingsPath(sluzby_.iniPath), size);
    } catch (const platform::FileError& e) {
        // Only a convenience: the next start takes the default size.
        std::cerr << "brevion: " << e.what() << '\n';
    }
}

int SpustProgram(Sluzby& sluzby) {
    Program program(sluzby);
    if (program.start()) program.run();
    return program.finish();
}

} // namespace shell
