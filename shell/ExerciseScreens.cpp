#include "shell/ExerciseScreens.h"

#include "results/Table1.h"
#include "shell/Pozadi.h"
#include "shell/Select.h"
#include "shell/Setup.h"

namespace shell {

std::string ShellExercises::pupilName() const {
    return setup_.jmeno();
}

int ShellExercises::runLength() const {
    return menu_.PocetPrikladu;
}

bool ShellExercises::printMode() const {
    return setup_.RezimTisku;
}

std::string ShellExercises::hd(std::string_view relative) const {
    return env_.hd(relative);
}

void ShellExercises::openTable(const std::string& key) {
    links_.table.Cesta = env_.hd("\\P" + key + ".res");
    links_.table.NactiSoubor();
}

void ShellExercises::record(const std::string& pupilName, const std::string& title, int right, int wrong,
                            int runLength) {
    links_.table.ZaznamenejVysledek(env_.hd("\\Vysledky.dat"), pupilName, title, std::to_string(right),
                                    std::to_string(wrong), env_.ZnamkaZa(right, runLength));
}

void ShellExercises::showTable(const std::string& key) {
    links_.table.NactiPozadi(env_.cd("\\Bitmap\\Tab\\" + key + ".bmp"));
    links_.table.Ukaz();
}

void ShellExercises::showHelp(const std::string& relativePicture) {
    menu_.ukazNapovedu(relativePicture);
}

void ShellExercises::showSetup() {
    setup_.show();
    setup_.repaint();
}

ExerciseScreens::ExerciseScreens() = default;
ExerciseScreens::~ExerciseScreens() = default;

ui::Form* ExerciseScreens::open(int code, const framework::ExerciseContext& context) const {
    auto it = factories_.find(code);
    if (it == factories_.end()) return nullptr;
    return &it->second(context);
}

} // namespace shell
