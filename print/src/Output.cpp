#include "Output.h"

#include "platform/errors.h"

#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

namespace tisk {

namespace fs = std::filesystem;

namespace {

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    throw platform::FileError("~", "the home folder is unknown");
}

fs::path configFolder(const fs::path& home) {
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/') return config;
    return home / ".config";
}

// The quoted value of a shell-style assignment, with backslash escapes undone.
std::string unquote(std::string_view value) {
    std::string out;
    if (value.size() < 2 || value.front() != '"') return out;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '"') return out;
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        out += value[i];
    }
    return {}; // no closing quote
}

// The value of XDG_DOCUMENTS_DIR in the text of a user-dirs.dirs file, with "$HOME" expanded;
// empty when the file does not set it to "$HOME/..." or to an absolute path.
fs::path documentsDirFromUserDirs(std::string_view userDirs, const fs::path& home) {
    std::istringstream lines{std::string(userDirs)};
    std::string line;
    fs::path found;
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    while (std::getline(lines, line)) {
        std::string_view view(line);
        view.remove_prefix(std::min(view.find_first_not_of(" \t"), view.size()));
        if (!view.starts_with(kKey)) continue;
        while (!view.empty() && (view.back() == '\r' || view.back() == ' ' || view.back() == '\t'))
            view.remove_suffix(1);
        const std::string value = unquote(view.substr(kKey.size()));
        if (value == "$HOME" || value == "$HOME/")
            found = home;
        else if (value.starts_with("$HOME/"))
            found = home / fs::path(value.substr(6));
        else if (value.starts_with('/'))
            found = value;
    }
    return found.lexically_normal();
}

} // namespace

fs::path documentsFolder() {
    const fs::path home = homeFolder();
    std::ifstream file(configFolder(home) / "user-dirs.dirs", std::ios::binary);
    if (file) {
        std::ostringstream text;
        text << file.rdbuf();
        if (fs::path dir = documentsDirFromUserDirs(text.str(), home); !dir.empty()) return dir;
    }
    return home / "Documents";
}

std::string sheetFileName(std::string_view key, const std::tm& when, int attempt) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &when);
    std::string name = std::string(key) + "_" + stamp;
    if (attempt > 1) name += "_" + std::to_string(attempt);
    return name + ".pdf";
}

void printPdf(const fs::path& pdf, const std::string& title) {
    std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr), [](cups_dest_t* d) { cupsFreeDests(1, d); });
    if (!dest) {
        const std::string reason = cupsLastError() != IPP_STATUS_OK ? cupsLastErrorString() : "none is set";
        throw platform::PrinterError("no default printer (" + reason + ")", true);
    }
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, dest->name, pdf.c_str(), title.c_str(),
                                   dest->num_options, dest->options);
    if (job == 0)
        throw platform::PrinterError(
            "printing on " + std::string(dest->name) + " failed: " + cupsLastErrorString(), false);
}

} // namespace tisk
