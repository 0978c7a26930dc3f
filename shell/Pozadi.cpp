#include "shell/Pozadi.h"

#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "ui/Application.h"

#include <cctype>
#include <utility>

namespace shell {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

namespace {

struct Hra {
    const char* klic;
    int kod;
};
constexpr Hra kHry[] = {{"01", 1},   {"02", 2},    {"03", 3},  {"04", 4},   {"05", 5}, {"06", 6},
                        {"06b", 62}, {"07", 7},    {"08", 8},  {"08b", 82}, {"09", 9}, {"10", 10},
                        {"11", 11},  {"11b", 112}, {"12", 12}, {"13", 13},  {"14", 14}};

} // namespace

std::string KlicHry(int kod) {
    for (const Hra& h : kHry)
        if (h.kod == kod) return h.klic;
    return {};
}

int KodHryKlice(std::string_view klic) {
    for (const Hra& h : kHry)
        if (klic == h.klic) return h.kod;
    return 0;
}

int IndexTextu(std::string_view text, const std::vector<std::string>& list) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (equalIgnoringCase(text, list[i])) return int(i);
    return -1;
}

Pozadi::Pozadi(ui::Application& app, platform::LibraryLoader& libraries, std::string cestaCD,
               std::string cestaHD)
    : CestaCD(std::move(cestaCD)), CestaHD(std::move(cestaHD)), app_(app), libraries_(libraries) {}

std::string Pozadi::cd(std::string_view relative) const {
    return platform::joinPath(CestaCD, relative);
}

std::string Pozadi::hd(std::string_view relative) const {
    return platform::joinPath(CestaHD, relative);
}

platform::Clock& Pozadi::clock() const {
    return app_.clock();
}

platform::MessageBoxes& Pozadi::messageBoxes() const {
    return app_.messageBoxes();
}

void Pozadi::playEnter() const {
    app_.sound().play(cd("\\Sound\\Enter.wav"));
}

void Pozadi::playClick() const {
    app_.sound().play(cd("\\Sound\\Click.wav"));
}

void Pozadi::setCursor(int number) const {
    app_.setScreenCursor(number);
}

void Pozadi::Cekej(int ms) const {
    if (ms > 0) app_.wait(std::uint32_t(ms));
}

std::string Pozadi::ZnamkaZa(double right, double runLength) const {
    return results::ZnamkaZa(right, runLength, Znamky);
}

TPozadiForm::TPozadiForm(ui::Application& app) : ui::Form(app) {
    setName("PozadiForm");
    setBounds(0, 0, 640, 480);
    setColor(ui::colors::Black);
    setEnabled(false);
}

} // namespace shell
