#include "platform/paths.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

} // namespace

std::string windowsDirectory() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/')
        return stripOneTrailingSeparator(config);
    return joinPath(stripOneTrailingSeparator(homeDirectory()), "/.config");
}

std::string stripOneTrailingSeparator(std::string root) {
    if (!root.empty() && isSeparator(root.back())) root.pop_back();
    return root;
}

std::string joinPath(std::string_view root, std::string_view relative) {
    std::string rel(relative);
    for (char& c : rel)
        if (c == '\\') c = '/';
    std::string path(root);
    if (path.empty() || rel.empty()) return path + rel;
    // Exactly one separator where the two meet.
    bool rootEnds = path.back() == '/';
    bool relStarts = rel.front() == '/';
    if (rootEnds && relStarts)
        path.pop_back();
    else if (!rootEnds && !relStarts)
        path += '/';
    return path + rel;
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace platform
