#include "framework/PrintSheet.h"

#include <platform/dynlib.h>
#include <platform/encoding.h>
#include <platform/errors.h>
#include <platform/helper_process.h>
#include <platform/message_box.h>
#include <print/TiskAbi.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace framework {

std::string cutToCharacters(const std::string& text, std::size_t length) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && chars++ == length) return text.substr(0, i);
    }
    return text;
}

std::string wordsPrintLine(const Sentence& sentence, int printedSlots) {
    std::string line;
    const int slots = std::min(printedSlots, int(sentence.size()));
    for (int k = 0; k < slots; ++k) {
        const std::string& word = sentence[std::size_t(k)].text;
        if (word.empty()) continue;
        line += word;
        const bool fullStopNext =
            std::size_t(k + 1) < sentence.size() && sentence[std::size_t(k + 1)].text == ".";
        if (!fullStopNext) line += ' ';
    }
    return cutToCharacters(line, kPrintLineLength);
}

std::vector<unsigned char> shortStringBlock(const std::vector<std::string>& lines, int blockSize) {
    std::vector<unsigned char> block(std::size_t(blockSize) * sizeof(tisk::ShortString), 0);
    auto* strings = reinterpret_cast<tisk::ShortString*>(block.data());
    for (std::size_t i = 0; i < lines.size() && i < std::size_t(blockSize); ++i) {
        const std::string bytes = platform::utf8ToCp1250(lines[i]);
        const std::size_t n = std::min(bytes.size(), kPrintLineLength);
        strings[i].length = static_cast<std::uint8_t>(n);
        std::memcpy(strings[i].text, bytes.data(), n);
    }
    return block;
}

int callLinesEntry(void* entry, const std::vector<std::string>& lines, int blockSize, int count,
                   const std::string& pupilName) {
    const std::vector<unsigned char> block = shortStringBlock(lines, blockSize);
    const std::vector<unsigned char> name = shortStringBlock({pupilName}, 1);
    auto* function = reinterpret_cast<tisk::LinesEntry*>(entry);
    return function(reinterpret_cast<const tisk::ShortString*>(block.data()),
                    static_cast<std::uint8_t>(count),
                    reinterpret_cast<const tisk::ShortString*>(name.data()));
}

int callMarkedWordsEntry(void* entry, const std::vector<std::vector<std::string>>& words,
                         const std::vector<std::vector<std::uint8_t>>& flags, int count,
                         const std::string& pupilName) {
    constexpr std::size_t perExample = tisk::kWordsPerExample;
    constexpr std::size_t cells = std::size_t(tisk::kMaxExamples) * perExample;
    std::vector<std::string> wordCells(cells);
    std::vector<std::uint8_t> flagCells(cells, 0);
    for (std::size_t i = 0; i < words.size() && i < std::size_t(tisk::kMaxExamples); ++i)
        for (std::size_t w = 0; w < words[i].size() && w < perExample; ++w)
            wordCells[i * perExample + w] = words[i][w];
    for (std::size_t i = 0; i < flags.size() && i < std::size_t(tisk::kMaxExamples); ++i)
        for (std::size_t w = 0; w < flags[i].size() && w < perExample; ++w)
            flagCells[i * perExample + w] = flags[i][w];
    const std::vector<unsigned char> block = shortStringBlock(wordCells, int(cells));
    const std::vector<unsigned char> name = shortStringBlock({pupilName}, 1);
    auto* function = reinterpret_cast<tisk::MarkedWordsEntry*>(entry);
    return function(reinterpret_cast<const tisk::ShortString*>(block.data()), flagCells.data(),
                    static_cast<std::uint8_t>(count),
                    reinterpret_cast<const tisk::ShortString*>(name.data()));
}

namespace {

void reportFailure(platform::MessageBoxes& boxes, const std::string& cause) {
    platform::logMessage(kPrintFailureCaption, cause);
    boxes.show(kPrintFailureCaption, kPrintFailureText, platform::MessageIcon::Information,
               platform::MessageButtons::Ok);
}

} // namespace

void printSheet(platform::LibraryLoader& loader, platform::MessageBoxes& boxes,
                const std::string& libraryPath, const std::string& entryName,
                const std::function<int(void* entry)>& print) {
    int status = tisk::kFailed;
    try {
        status = platform::callEntryInHelper(loader, libraryPath, entryName, print);
    } catch (const platform::FileError& e) {
        return reportFailure(boxes, e.what());
    } catch (const platform::ConversionError& e) {
        return reportFailure(boxes, e.what());
    }
    if (status == tisk::kNoDefaultPrinter)
        throw platform::PrinterError("There is no default printer; the worksheet was kept as a PDF", true);
    if (status != tisk::kPrinted)
        reportFailure(boxes, "the print library reported failure " + std::to_string(status));
}

} // namespace framework
