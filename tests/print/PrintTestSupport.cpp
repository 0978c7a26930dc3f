#include "PrintTestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace printtest {

namespace fs = std::filesystem;

tisk::ShortString shortString(std::string_view utf8) {
    tisk::ShortString s{};
    iconv_t cd = iconv_open("CP1250", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP1250 in iconv");
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* out = s.text;
    std::size_t outLeft = sizeof s.text;
    const std::size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) && inLeft > 0 && outLeft > 0)
        throw std::runtime_error("test text not in CP1250: " + std::string(utf8));
    s.length = static_cast<std::uint8_t>(sizeof s.text - outLeft);
    return s;
}

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "brevion-print-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored; // a folder that cannot be removed must not hide the test's own result
    fs::remove_all(path_, ignored);
}

std::string run(const std::string& command) {
    std::string output;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), n);
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << command;
    return output;
}

std::string collapsed(std::string_view text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f') {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

std::string pdfText(const fs::path& pdf, int page) {
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return collapsed(run("pdftotext -raw -enc UTF-8" + pages + " '" + pdf.string() + "' -"));
}

int pdfPages(const fs::path& pdf) {
    const std::string info = run("pdfinfo '" + pdf.string() + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 6);
}

std::vector<fs::path> pdfsIn(const fs::path& folder) {
    std::vector<fs::path> found;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".pdf") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

int firstMissingInOrder(const std::string& text, const std::vector<std::string>& parts) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto at = text.find(parts[i], from);
        if (at == std::string::npos) return static_cast<int>(i);
        from = at + parts[i].size();
    }
    return -1;
}

Library::Library(std::string_view relativePath) {
    std::string path = BREVION_CD_DIR;
    for (char c : relativePath)
        path += c == '\\' ? '/' : c;
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error(dlerror());
}

Library::~Library() {
    dlclose(handle_);
}

void* Library::entry(std::string_view name) const {
    return dlsym(handle_, std::string(name).c_str());
}

} // namespace printtest
