#include "Entry.h"

#include "Output.h"
#include "Pdf.h"
#include "Sheet.h"
#include "Text.h"
#include "platform/errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

namespace tisk {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxSameSecond = 100;

std::string printedDate(const std::tm& when) {
    return std::to_string(when.tm_mday) + ". " + std::to_string(when.tm_mon + 1) + ". " +
           std::to_string(when.tm_year + 1900);
}

// Opens a new file for the sheet without ever replacing an earlier one.
std::FILE* createSheetFile(const fs::path& folder, std::string_view key, const std::tm& when,
                           fs::path& path) {
    fs::create_directories(folder);
    for (int attempt = 1; attempt <= kMaxSameSecond; ++attempt) {
        path = folder / sheetFileName(key, when, attempt);
        if (std::FILE* file = std::fopen(path.c_str(), "wbx")) return file;
        if (errno != EEXIST) throw platform::FileError(path.string(), std::strerror(errno));
    }
    throw platform::FileError(folder.string(), "too many sheets in one second");
}

int printSheet(std::string_view key, const ShortString* name,
               const std::function<std::vector<Example>()>& buildExamples) noexcept {
    try {
        const std::time_t now = std::time(nullptr);
        std::tm when{};
        localtime_r(&now, &when);
        Sheet sheet{&exercise(key), name ? std::string(trimmed(decode(*name))) : "", printedDate(when),
                    buildExamples()};
        if (sheet.examples.empty()) throw std::invalid_argument("the sheet has no examples");

        fs::path path;
        std::FILE* file = createSheetFile(documentsFolder() / "Brevion", key, when, path);
        try {
            writePdf(sheet, file);
        } catch (...) {
            std::fclose(file);
            fs::remove(path);
            throw;
        }
        if (std::fclose(file) != 0) {
            fs::remove(path);
            throw platform::FileError(path.string(), "cannot write the worksheet");
        }
        std::fprintf(stderr, "Tisk: worksheet kept as %s\n", path.c_str());
        printPdf(path, std::string(sheet.exercise->title) + (sheet.pupil.empty() ? "" : " - " + sheet.pupil));
        return kPrinted;
    } catch (const platform::PrinterError& e) {
        std::fprintf(stderr, "Tisk: %s\n", e.what());
        return e.noDefaultPrinter() ? kNoDefaultPrinter : kFailed;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Tisk: %s\n", e.what());
        return kFailed;
    }
}

void require(const void* block, int count) {
    if (!block && count > 0) throw std::invalid_argument("no print data");
}

} // namespace

int printLines(std::string_view key, const ShortString* lines, int count, int blockSize,
               const ShortString* name) noexcept {
    return printSheet(key, name, [&] {
        require(lines, count);
        return examplesFromLines(lines, count, blockSize);
    });
}

int printMarkedWords(std::string_view key, const ShortString* words, const std::uint8_t* flags, int count,
                     const ShortString* name) noexcept {
    return printSheet(key, name, [&] {
        require(words, count);
        require(flags, count);
        return examplesFromMarkedWords(words, flags, count);
    });
}

int printWords(std::string_view key, const ShortString* words, int count, const ShortString* name) noexcept {
    return printSheet(key, name, [&] {
        require(words, count);
        return examplesFromWords(words, count);
    });
}

} // namespace tisk
