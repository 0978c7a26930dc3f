#include "Entry.h"

#include "Output.h"
#include "Pdf.h"
#include "Sheet.h"
#include "Text.h"
#include "platform/errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>

namespace tisk {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxSameSecond = 100;

// The last sheet this library kept: the key printed after it belongs to it.
struct KeptSheet {
    fs::path path;
    std::string key;
    std::string pupil;
    std::string date;
};
KeptSheet lastSheet;

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

// Writes a PDF with `write` into a new file at `path`; the file is removed when writing fails.
void writeFile(const fs::path& path, std::FILE* file, const std::function<void(std::FILE*)>& write) {
    try {
        write(file);
    } catch (...) {
        std::fclose(file);
        fs::remove(path);
        throw;
    }
    if (std::fclose(file) != 0) {
        fs::remove(path);
        throw platform::FileError(path.string(), "cannot write the PDF");
    }
}

// The status of an entry for an exception it caught.
int failureStatus(const std::exception& e) {
    std::fprintf(stderr, "Tisk: %s\n", e.what());
    if (const auto* printer = dynamic_cast<const platform::PrinterError*>(&e))
        return printer->noDefaultPrinter() ? kNoDefaultPrinter : kFailed;
    return kFailed;
}

int printSheet(std::string_view key, const ShortString* name,
               const std::function<std::vector<Example>()>& buildExamples) noexcept {
    lastSheet = {};
    try {
        const std::time_t now = std::time(nullptr);
        std::tm when{};
        localtime_r(&now, &when);
        Sheet sheet{&exercise(key), name ? std::string(trimmed(decode(*name))) : "", printedDate(when),
                    buildExamples()};
        if (sheet.examples.empty()) throw std::invalid_argument("the sheet has no examples");

        fs::path path;
        std::FILE* file = createSheetFile(documentsFolder() / "Brevion", key, when, path);
        writeFile(path, file, [&](std::FILE* out) { writePdf(sheet, out); });
        std::fprintf(stderr, "Tisk: worksheet kept as %s\n", path.c_str());
        lastSheet = {path, std::string(key), sheet.pupil, sheet.date};
        printPdf(path, std::string(sheet.exercise->title) + (sheet.pupil.empty() ? "" : " - " + sheet.pupil));
        return kPrinted;
    } catch (const std::exception& e) {
        return failureStatus(e);
    }
}

// "01_2026-12-06_09-00-12.pdf" -> "01_2026-12-06_09-00-12_kluc.pdf"
fs::path keyPathOf(const fs::path& sheet) {
    return sheet.parent_path() / (sheet.stem().string() + "_kluc.pdf");
}

void reportKept(const fs::path& sheet, const fs::path& key, char* kept, std::uint32_t keptSize) {
    if (!kept || keptSize == 0) return;
    const std::string text = sheet.string() + "\n" + key.string();
    const std::size_t n = std::min<std::size_t>(text.size(), keptSize - 1);
    std::memcpy(kept, text.data(), n);
    kept[n] = '\0';
}

void require(const void* block, int count) {
    if (!block && count > 0) throw std::invalid_argument("no print data");
}

} // namespace

int printKey(const ShortString* exerciseKey, const ShortString* title, const ShortString* questions,
             const ShortString* answers, int count, char* kept, std::uint32_t keptSize) noexcept {
    if (kept && keptSize > 0) kept[0] = '\0';
    try {
        if (lastSheet.path.empty()) throw std::invalid_argument("no sheet was printed before its key");
        const std::string key = exerciseKey ? std::string(trimmed(decode(*exerciseKey))) : "";
        if (key != lastSheet.key)
            throw std::invalid_argument("the key of " + key + " does not belong to the last sheet (" +
                                        lastSheet.key + ")");
        require(questions, count);
        require(answers, count);
        AnswerKey answerKey{&exercise(key),
                            title ? std::string(trimmed(decode(*title))) : "",
                            lastSheet.pupil,
                            lastSheet.date,
                            lastSheet.path.filename().string(),
                            {}};
        for (int i = 0; i < std::clamp(count, 0, kMaxExamples06); ++i)
            answerKey.lines.push_back(
                {std::string(trimmed(decode(questions[i]))), std::string(trimmed(decode(answers[i])))});
        if (answerKey.lines.empty()) throw std::invalid_argument("the key has no examples");

        const fs::path path = keyPathOf(lastSheet.path);
        std::FILE* file = std::fopen(path.c_str(), "wbx");
        if (!file) throw platform::FileError(path.string(), std::strerror(errno));
        writeFile(path, file, [&](std::FILE* out) { writeKeyPdf(answerKey, out); });
        std::fprintf(stderr, "Tisk: answer key kept as %s\n", path.c_str());
        reportKept(lastSheet.path, path, kept, keptSize);
        printPdf(path, std::string(answerKey.exercise->title) + " - " + std::string(kKeyTitle));
        return kPrinted;
    } catch (const std::exception& e) {
        return failureStatus(e);
    }
}

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
