#include "framework/PrintSheet.h"

#include "framework/WordMarking.h"

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

std::string codedWordsAnswer(const Sentence& s,
                             const std::vector<std::pair<std::int32_t, std::string>>& labels) {
    std::vector<std::string> parts;
    for (const auto& [code, label] : labels) {
        std::string words;
        for (const PPravidla& slot : s)
            if (slot.code == code && !slot.text.empty()) words += (words.empty() ? "" : " ") + slot.text;
        if (!words.empty()) parts.push_back(label + ": " + words);
    }
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "; ") + part;
    return text;
}

std::string clausesAnswer(const Sentence& s) {
    std::string text;
    for (const PPravidla& slot : s) {
        if (slot.text.empty() || slot.code == 0) continue;
        const std::string trimmedClause = slot.text.substr(0, slot.text.find_last_not_of(' ') + 1);
        text += (text.empty() ? "" : " | ") + trimmedClause +
                (slot.code == kMainClause ? " (hlavná)" : " (vedľajšia)");
    }
    return text;
}

std::string joinedAnswer(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        if (!part.empty()) text += (text.empty() ? "" : " – ") + part;
    return text;
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

namespace {

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

int callWordsEntry(void* entry, const std::vector<std::string>& words, int count,
                   const std::string& pupilName) {
    const std::vector<unsigned char> block =
        shortStringBlock(words, tisk::kMaxExamples * tisk::kWordsPerExample);
    const std::vector<unsigned char> name = shortStringBlock({pupilName}, 1);
    auto* function = reinterpret_cast<tisk::WordsEntry*>(entry);
    return function(reinterpret_cast<const tisk::ShortString*>(block.data()),
                    static_cast<std::uint8_t>(count),
                    reinterpret_cast<const tisk::ShortString*>(name.data()));
}

template <class... F> struct Overloaded : F... { using F::operator()...; };

void reportFailure(platform::MessageBoxes& boxes, const std::string& cause) {
    platform::logMessage(kPrintFailureCaption, cause);
    boxes.show(kPrintFailureCaption, kPrintFailureText, platform::MessageIcon::Information,
               platform::MessageButtons::Ok);
}

} // namespace

std::vector<std::string> questionLines(const PrintData& data) {
    const auto joined = [](auto first, auto last) {
        std::string line;
        for (auto word = first; word != last; ++word) {
            std::string text = *word;
            if (text.starts_with('#')) text = "_____ ";
            const bool sticks = text == "." || text == "," || text == "?" || text == "!";
            if (!line.empty() && line.back() != ' ' && !sticks && !text.empty()) line += ' ';
            line += text;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        return line;
    };
    std::vector<std::string> lines;
    std::visit(Overloaded{
                   [&](const PrintLines& p) { lines = p.lines; },
                   [&](const PrintMarkedWords& p) {
                       for (const auto& words : p.words)
                           lines.push_back(joined(words.begin(), words.end()));
                   },
                   [&](const PrintWordSlots& p) {
                       constexpr std::size_t perExample = tisk::kWordsPerExample;
                       for (std::size_t i = 0; i * perExample < p.words.size(); ++i) {
                           const auto first = p.words.begin() + std::ptrdiff_t(i * perExample);
                           const auto last = p.words.begin() +
                                             std::ptrdiff_t(std::min(p.words.size(), (i + 1) * perExample));
                           lines.push_back(joined(first, last));
                       }
                   },
               },
               data.form);
    lines.resize(std::size_t(std::max(data.count, 0)));
    for (auto& line : lines)
        line = cutToCharacters(line, kPrintLineLength);
    return lines;
}

namespace {

int callKeyEntry(void* entry, const PrintData& data, KeptFiles* kept) {
    const int count = std::min(data.count, tisk::kMaxExamples06);
    std::vector<std::string> answers = data.answers;
    answers.resize(std::size_t(std::max(count, 0)));
    for (auto& answer : answers)
        answer = cutToCharacters(answer, kPrintLineLength);
    const std::vector<unsigned char> questions = shortStringBlock(questionLines(data), count);
    const std::vector<unsigned char> answerBlock = shortStringBlock(answers, count);
    const std::vector<unsigned char> exercise = shortStringBlock({data.exerciseKey}, 1);
    const std::vector<unsigned char> title =
        shortStringBlock({cutToCharacters(data.title, kPrintLineLength)}, 1);
    std::vector<char> paths(8192, '\0');
    auto* function = reinterpret_cast<tisk::KeyEntry*>(entry);
    const int status = function(reinterpret_cast<const tisk::ShortString*>(exercise.data()),
                                reinterpret_cast<const tisk::ShortString*>(title.data()),
                                reinterpret_cast<const tisk::ShortString*>(questions.data()),
                                reinterpret_cast<const tisk::ShortString*>(answerBlock.data()),
                                static_cast<std::uint8_t>(count), paths.data(), std::uint32_t(paths.size()));
    paths.back() = '\0';
    if (kept) {
        const std::string text(paths.data());
        const auto feed = text.find('\n');
        kept->sheet = text.substr(0, feed);
        kept->key = feed == std::string::npos ? std::string() : text.substr(feed + 1);
    }
    return status;
}

std::string keptText(const KeptFiles& kept) {
    std::string text;
    if (!kept.sheet.empty()) text += "\rPracovný list je uložený ako PDF:\r" + kept.sheet;
    if (!kept.key.empty()) text += "\rKľúč správnych odpovedí:\r" + kept.key;
    return text;
}

} // namespace

std::string printedMessage(const KeptFiles& kept) {
    return "Pracovný list bol odoslaný na tlačiareň." + keptText(kept);
}

std::string noPrinterMessage(const KeptFiles& kept) {
    return kNoPrinterText + keptText(kept);
}

namespace {

int callSheetEntry(void* entry, const std::string& entryName, const PrintData& data) {
    return std::visit(Overloaded{
                          [&](const PrintLines& p) {
                              return callLinesEntry(entry, p.lines, tisk::linesBlockSize(entryName),
                                                    data.count, data.pupilName);
                          },
                          [&](const PrintMarkedWords& p) {
                              return callMarkedWordsEntry(entry, p.words, p.flags, data.count,
                                                          data.pupilName);
                          },
                          [&](const PrintWordSlots& p) {
                              return callWordsEntry(entry, p.words, data.count, data.pupilName);
                          },
                      },
                      data.form);
}

} // namespace

int callEntry(void* entry, const std::string& entryName, const PrintData& data, void* keyEntry,
              KeptFiles* kept) {
    const int status = callSheetEntry(entry, entryName, data);
    if (!keyEntry || status == tisk::kFailed) return status;
    const int keyStatus = callKeyEntry(keyEntry, data, kept);
    return keyStatus == tisk::kFailed ? keyStatus : status;
}

void printSheet(platform::LibraryLoader& loader, platform::MessageBoxes& boxes,
                const std::string& libraryPath, const std::string& entryName,
                const std::function<PrintData()>& data) {
    int status = tisk::kFailed;
    KeptFiles kept;
    try {
        std::string reply;
        status = platform::callEntryInHelper(
            loader, libraryPath, entryName,
            [&](platform::DynamicLibrary& library, void* entry, std::string& answer) {
                // The sheet's data is gathered in the child too (the sentence file read, the run
                // drawn): what that allocates goes with the child instead of staying in the
                // program's heap. Its errors come back as the same kind.
                const PrintData printData = data();
                // Both entries in the one child: the library pairs the key with the sheet it kept last.
                KeptFiles paths;
                const int s = callEntry(entry, entryName, printData,
                                        library.symbol(std::string(tisk::kKeyEntry)), &paths);
                answer = paths.sheet + '\n' + paths.key;
                return s;
            },
            reply);
        const auto feed = reply.find('\n');
        kept.sheet = reply.substr(0, feed);
        kept.key = feed == std::string::npos ? std::string() : reply.substr(feed + 1);
    } catch (const platform::FileError& e) {
        return reportFailure(boxes, e.what());
    } catch (const platform::ConversionError& e) {
        return reportFailure(boxes, e.what());
    }
    if (status == tisk::kNoDefaultPrinter)
        throw platform::PrinterError("There is no default printer; the worksheet was kept as a PDF", true,
                                     noPrinterMessage(kept));
    if (status != tisk::kPrinted)
        return reportFailure(boxes, "the print library reported failure " + std::to_string(status));
    if (!kept.sheet.empty())
        boxes.show(kPrintCaption, printedMessage(kept), platform::MessageIcon::Information,
                   platform::MessageButtons::Ok);
}

} // namespace framework
