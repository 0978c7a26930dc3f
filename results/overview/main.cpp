// brevion-prehlad: the class's results for the teacher, as a CSV table and an A4 PDF report.
#include "Output.h"
#include "Overview.h"
#include "Report.h"

#include <platform/clock.h>
#include <platform/display.h>
#include <platform/errors.h>
#include <platform/ini.h>
#include <platform/message_box.h>
#include <platform/paths.h>
#include <platform/sound.h>
#include <ui/MessageBox.h>

#include <spawn.h>
#include <sys/wait.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string_view>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Použitie: brevion-prehlad [--hd PRIEČINOK] [--csv SÚBOR] [--pdf SÚBOR] [--open]\n"
    "Prečíta denník výsledkov (Vysledky.dat) a tabuľky výsledkov (PNN.res) z priečinka s údajmi\n"
    "(HD v Brevion.ini, alebo --hd) a zapíše tabuľku CSV a správu PDF, predvolene do\n"
    "<Dokumenty>/Brevion. --open otvorí hotovú správu.\n";

struct Options {
    std::optional<std::string> hd, csv, pdf;
    bool open = false;
    bool help = false;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw UsageError("chýba hodnota k " + std::string(arg));
            return argv[++i];
        };
        if (arg == "--hd")
            options.hd = value();
        else if (arg == "--csv")
            options.csv = value();
        else if (arg == "--pdf")
            options.pdf = value();
        else if (arg == "--open")
            options.open = true;
        else if (arg == "--help" || arg == "-h")
            options.help = true;
        else
            throw UsageError("neznámy argument " + std::string(arg));
    }
    return options;
}

// The HD root the program itself uses: key "HD" of section "CES1" in Brevion.ini.
std::string hdRootFromIni() {
    const std::string ini = platform::joinPath(platform::windowsDirectory(), "\\Brevion.ini");
    if (!platform::fileExists(ini))
        throw platform::FileError(ini,
                                  "Nemožno nájsť súbor Brevion.ini; priečinok s údajmi zadajte cez --hd");
    const std::string hd = platform::IniFile::load(ini).readString("CES1", "HD", "");
    if (hd.empty()) throw platform::FileError(ini, "Brevion.ini neuvádza priečinok s údajmi (HD)");
    return platform::stripOneTrailingSeparator(hd);
}

std::string stamp(std::time_t now, const char* format) {
    std::tm tm{};
    localtime_r(&now, &tm);
    char out[64];
    return std::string(out, std::strftime(out, sizeof out, format, &tm));
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw platform::FileError(path, "Cannot create file");
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw platform::FileError(path, "Cannot write file");
}

// Opens the report in the desktop's PDF viewer; the viewer outlives this command.
void openInViewer(const std::string& path) {
    const char* argv[] = {"xdg-open", path.c_str(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
        throw platform::FileError(path, "Cannot start xdg-open to show the report");
    int status = 0;
    waitpid(pid, &status, 0);
}

int run(const Options& options) {
    const std::string hd = options.hd ? *options.hd : hdRootFromIni();
    const overview::Overview data = overview::loadOverview(hd);

    const std::time_t now = std::time(nullptr);
    const fs::path folder = tisk::documentsFolder() / "Brevion";
    const std::string base = "prehlad-vysledkov_" + stamp(now, "%Y-%m-%d_%H-%M-%S");
    const std::string csv = options.csv ? *options.csv : (folder / (base + ".csv")).string();
    const std::string pdf = options.pdf ? *options.pdf : (folder / (base + ".pdf")).string();
    for (const auto& file : {csv, pdf})
        if (const fs::path parent = fs::path(file).parent_path(); !parent.empty())
            fs::create_directories(parent);

    writeFile(csv, overview::csvText(data));
    overview::writeReport(data, {stamp(now, "%-d. %-m. %Y %H:%M"), hd}, pdf);
    std::cout << "Behov: " << data.runs.size() << ", žiakov: " << data.pupils.size()
              << ", poškodené záznamy denníka: " << data.damagedLogRecords
              << ", poškodené riadky tabuliek: " << data.damagedTableLines << "\nCSV: " << csv
              << "\nPDF: " << pdf << "\n";
    if (options.open) openInViewer(pdf);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    try {
        options = parse(argc, argv);
    } catch (const UsageError& e) {
        std::cerr << "brevion-prehlad: " << e.what() << "\n" << kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    // The command's one error handler: every failure ends it with a message, none with a crash.
    try {
        return run(options);
    } catch (const std::exception& e) {
        const std::string text = std::string("Prehľad výsledkov sa nepodarilo vytvoriť.\r") + e.what();
        if (options.open) { // started from the desktop entry: nobody reads standard error
            platform::SdlDisplay display;
            platform::RealClock clock;
            platform::SdlSound sound;
            ui::StartupMessageBoxes(display, clock, sound, "Prehľad výsledkov")
                .show("Chyba", text, platform::MessageIcon::Error, platform::MessageButtons::Ok);
        } else
            platform::logMessage("Chyba", text);
        return 1;
    }
}
