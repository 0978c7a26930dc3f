#pragma once
// Helpers of the print library tests: arguments in Windows-1250, temporary folders, PDF text.
#include "print/TiskAbi.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace printtest {

namespace fs = std::filesystem;

// `utf8` in Windows-1250, cut at 255 bytes.
inline tisk::ShortString shortString(std::string_view utf8) {
    tisk::ShortString s{};
    iconv_t cd = iconv_open("CP1250", "UTF-8");
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size(), outLeft = sizeof s.text;
    char* out = s.text;
    iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    s.length = static_cast<std::uint8_t>(sizeof s.text - outLeft);
    return s;
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "brevion-print-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored; // a folder left behind must not hide the test's own result
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Standard output of a shell command that must succeed.
inline std::string run(const std::string& command) {
    std::string output;
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

// White space collapsed to single spaces.
inline std::string collapsed(std::string_view text) {
    std::string out;
    for (char c : text) {
        const bool space = std::isspace(static_cast<unsigned char>(c));
        if (!space || (!out.empty() && out.back() != ' ')) out += space ? ' ' : c;
    }
    return out;
}

// The text of a PDF (or of one page) in the order it was drawn.
inline std::string pdfText(const fs::path& pdf, int page = 0) {
    const std::string pages = page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
    return collapsed(run("pdftotext -raw -enc UTF-8" + pages + " '" + pdf.string() + "' -"));
}

inline std::vector<fs::path> pdfsIn(const fs::path& folder) {
    std::vector<fs::path> found;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".pdf") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

// The first of `parts` that does not follow the ones before it in `text`; empty when all do.
inline std::string firstMissingInOrder(const std::string& text, const std::vector<std::string>& parts) {
    std::size_t from = 0;
    for (const auto& part : parts) {
        if ((from = text.find(part, from)) == std::string::npos) return part;
        from += part.size();
    }
    return {};
}

// A print library of the built CD tree, opened as the program opens it.
class Library {
public:
    explicit Library(std::string_view relative) {
        std::string path = BREVION_CD_DIR;
        for (char c : relative)
            path += c == '\\' ? '/' : c;
        if (!(handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))) throw std::runtime_error(dlerror());
    }
    ~Library() { dlclose(handle_); }
    template <typename Entry> Entry* entry(std::string_view name) const {
        return reinterpret_cast<Entry*>(dlsym(handle_, std::string(name).c_str()));
    }

private:
    void* handle_;
};

} // namespace printtest
