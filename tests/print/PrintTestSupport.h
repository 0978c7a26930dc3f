#pragma once
// Helpers shared by the print library tests: building arguments, temporary folders, reading PDFs.
#include "print/TiskAbi.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace printtest {

// A short string holding `utf8` converted to Windows-1250 (at most 255 bytes).
tisk::ShortString shortString(std::string_view utf8);

// A folder under /tmp that is removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Runs a shell command and returns its standard output; fails the test when it does not exit 0.
std::string run(const std::string& command);

// Text with every run of white space turned into one space.
std::string collapsed(std::string_view text);

// The text of a PDF (all pages or one), in the order it was drawn, white space collapsed.
std::string pdfText(const std::filesystem::path& pdf, int page = 0);
int pdfPages(const std::filesystem::path& pdf);

// Every PDF file in a folder.
std::vector<std::filesystem::path> pdfsIn(const std::filesystem::path& folder);

// Where `parts` are found in `text`, one after another, or -1 for the first one missing.
// Returns the index of the first part not found after the previous one, or -1 when all are there.
int firstMissingInOrder(const std::string& text, const std::vector<std::string>& parts);

// An open print library; the entries are looked up by name.
class Library {
public:
    explicit Library(std::string_view relativePath);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void* entry(std::string_view name) const;

private:
    void* handle_;
};

} // namespace printtest
