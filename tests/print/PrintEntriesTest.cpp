// The seventeen entries, called through dlopen as the program calls them; the sheets are read back
// from the PDF each entry keeps in the user's documents folder. No CUPS server answers here, so every
// entry reports the missing default printer and prints nothing.
#include "PrintTestSupport.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <regex>

namespace {

using namespace printtest;
using tisk::EntryForm;
using tisk::ShortString;
namespace fs = std::filesystem;

const std::string kPupil = "Ľubica Ťažká";

class PrintEntries : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("HOME", home_.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_.path() / ".config").c_str(), 1);
        // A socket nobody listens on: no test can reach a real printer.
        setenv("CUPS_SERVER", (home_.path() / "no-cupsd.sock").c_str(), 1);
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }

    fs::path sheetFolder() const { return home_.path() / "Documents" / "Brevion"; }

    // The one sheet an entry has just kept.
    fs::path onlySheet() const {
        const auto sheets = pdfsIn(sheetFolder());
        EXPECT_EQ(sheets.size(), 1u);
        return sheets.empty() ? fs::path() : sheets.front();
    }

    TempDir home_;
};

const tisk::EntryInfo& info(std::string_view name) {
    for (const auto& e : tisk::kEntries)
        if (e.name == name) return e;
    throw std::invalid_argument("unknown entry");
}

// The arguments of one call in each of the three forms, and the texts the sheet must show.
struct Arguments {
    std::vector<ShortString> strings;
    std::vector<std::uint8_t> flags;
    std::vector<std::string> expected;
};

Arguments linesOf(const std::vector<std::string>& examples, int blockSize) {
    Arguments args{std::vector<ShortString>(blockSize), {}, {}};
    for (std::size_t i = 0; i < examples.size(); ++i) {
        args.strings[i] = shortString(examples[i]);
        args.expected.push_back(examples[i]);
    }
    return args;
}

// "Brat N, ako vieš, rád pláva." with "ako vieš" flagged.
Arguments markedWords(int count) {
    Arguments args{std::vector<ShortString>(tisk::kMaxExamples * tisk::kWordsPerExample),
                   std::vector<std::uint8_t>(tisk::kMaxExamples * tisk::kWordsPerExample),
                   {}};
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> words{
            "Brat", std::to_string(i + 1), ",", "ako", "vieš", ",", "rád", "pláva", "."};
        for (std::size_t k = 0; k < words.size(); ++k) {
            args.strings[i * tisk::kWordsPerExample + k] = shortString(words[k]);
            args.flags[i * tisk::kWordsPerExample + k] = words[k] == "ako" || words[k] == "vieš";
        }
        args.expected.push_back("Brat " + std::to_string(i + 1) + ", ako vieš, rád pláva.");
    }
    return args;
}

// Words as the program passes them for the gap exercise: spaces already in place.
Arguments gapWords(int count) {
    Arguments args{std::vector<ShortString>(tisk::kMaxExamples * tisk::kWordsPerExample), {}, {}};
    for (int i = 0; i < count; ++i) {
        const std::vector<std::string> words{
            "Nepôjdem ", "von ", std::to_string(i + 1) + "-krát", ", ", "#lebo | ale | hoci ", "prší", "."};
        for (std::size_t k = 0; k < words.size(); ++k)
            args.strings[i * tisk::kWordsPerExample + k] = shortString(words[k]);
        args.expected.push_back("Nepôjdem von " + std::to_string(i + 1) + "-krát,");
        args.expected.push_back("(lebo / ale / hoci) prší.");
    }
    return args;
}

std::vector<std::string> sentences(int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i)
        out.push_back("Ďateľ číslo " + std::to_string(i + 1) + " ťuká na starý buk pri potôčiku.");
    return out;
}

int call(const tisk::EntryInfo& entry, const Arguments& args, int count, const ShortString& name) {
    const Library library(entry.library);
    void* fn = library.entry(entry.name);
    if (!fn) throw std::runtime_error("entry not found");
    const auto n = static_cast<std::uint8_t>(count);
    switch (entry.form) {
    case EntryForm::Lines:
        return reinterpret_cast<tisk::LinesEntry*>(fn)(args.strings.data(), n, &name);
    case EntryForm::MarkedWords:
        return reinterpret_cast<tisk::MarkedWordsEntry*>(fn)(args.strings.data(), args.flags.data(), n,
                                                             &name);
    case EntryForm::Words:
        return reinterpret_cast<tisk::WordsEntry*>(fn)(args.strings.data(), n, &name);
    }
    return -1;
}

Arguments argumentsFor(const tisk::EntryInfo& entry, int count) {
    switch (entry.form) {
    case EntryForm::MarkedWords:
        return markedWords(count);
    case EntryForm::Words:
        return gapWords(count);
    case EntryForm::Lines:
        break;
    }
    return linesOf(sentences(count), tisk::linesBlockSize(entry.name));
}

TEST_F(PrintEntries, EveryEntryKeepsAnA4SheetWithTheNameAndAllExamplesInOrder) {
    const std::map<std::string_view, std::string> titles{{"TR1", "Základné sklady"},
                                                         {"TR5", "Určovanie vetných členov"},
                                                         {"TR6b", "Prístavok"},
                                                         {"TR11b", "Vsuvka a vložená veta"},
                                                         {"TR12", "Doplňovanie spájacích výrazov"},
                                                         {"TR14", "Čiarka v súvetí"}};
    for (const auto& entry : tisk::kEntries) {
        SCOPED_TRACE(std::string(entry.name));
        const int count = entry.name == "TR6" ? 45 : 12;
        const Arguments args = argumentsFor(entry, count);
        ASSERT_EQ(call(entry, args, count, shortString(kPupil)), tisk::kNoDefaultPrinter);

        const auto sheets = pdfsIn(sheetFolder());
        ASSERT_EQ(sheets.size(), 1u);
        const fs::path sheet = sheets.front();
        EXPECT_TRUE(sheet.filename().string().starts_with(std::string(entry.key) + "_")) << sheet;
        EXPECT_NE(run("pdfinfo '" + sheet.string() + "'").find("595.276 x 841.89 pts (A4)"),
                  std::string::npos);

        std::vector<std::string> expected{kPupil};
        if (titles.contains(entry.name)) expected.insert(expected.begin(), titles.at(entry.name));
        expected.insert(expected.end(), args.expected.begin(), args.expected.end());
        const std::string text = pdfText(sheet);
        const int missing = firstMissingInOrder(text, expected);
        EXPECT_EQ(missing, -1) << "missing: " << (missing >= 0 ? expected[missing] : "") << "\nin: " << text;
        fs::remove(sheet);
    }
}

// Text of the PDF drawn in a bold face, and the rest, as pdftohtml reports them.
std::pair<std::string, std::string> boldAndPlain(const fs::path& pdf) {
    const std::string xml = run("pdftohtml -xml -i -stdout '" + pdf.string() + "'");
    static const std::regex fragment("<text [^>]*>(.*?)</text>");
    std::string bold, plain;
    for (std::sregex_iterator it(xml.begin(), xml.end(), fragment), end; it != end; ++it) {
        const std::string content = (*it)[1];
        const bool isBold = content.starts_with("<b>");
        (isBold ? bold : plain) += std::regex_replace(content, std::regex("</?[bi]>"), "");
    }
    return {collapsed(bold), collapsed(plain)};
}

TEST_F(PrintEntries, FlaggedWordsAreBoldAndOthersAreNot) {
    for (std::string_view name : {"TR5", "TR11b"}) {
        SCOPED_TRACE(std::string(name));
        ASSERT_EQ(call(info(name), markedWords(3), 3, shortString(kPupil)), tisk::kNoDefaultPrinter);
        const fs::path sheet = onlySheet();
        const auto [bold, plain] = boldAndPlain(sheet);
        EXPECT_NE(bold.find("ako vieš"), std::string::npos) << bold;
        EXPECT_EQ(bold.find("pláva"), std::string::npos) << bold;
        EXPECT_EQ(bold.find("Brat"), std::string::npos) << bold;
        EXPECT_NE(plain.find("rád pláva"), std::string::npos) << plain;
        fs::remove(sheet);
    }
}

TEST_F(PrintEntries, LongExamplesFlowOntoMorePagesAndNoneIsCut) {
    std::vector<std::string> examples;
    for (int i = 1; i <= 30; ++i) {
        std::string text = "Príklad " + std::to_string(i) + ":";
        while (text.size() < 230)
            text += " Malý Ďurko s bratom Ľubošom behajú po lúke";
        examples.push_back(text + " koniec " + std::to_string(i) + ".");
    }
    const Arguments args = linesOf(examples, tisk::kMaxExamples);
    ASSERT_EQ(call(info("TR3"), args, 30, shortString(kPupil)), tisk::kNoDefaultPrinter);
    const fs::path sheet = onlySheet();
    const int pages = pdfPages(sheet);
    ASSERT_GE(pages, 3);

    std::vector<std::string> pageText;
    for (int p = 1; p <= pages; ++p)
        pageText.push_back(pdfText(sheet, p));
    int lastPage = 0;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        SCOPED_TRACE(examples[i]);
        const std::string whole = std::to_string(i + 1) + ". " + collapsed(examples[i]);
        int foundOn = -1;
        for (int p = 0; p < pages; ++p)
            if (pageText[p].find(whole) != std::string::npos) foundOn = p;
        ASSERT_GE(foundOn, lastPage) << "the example is cut or out of order";
        lastPage = foundOn;
    }
    EXPECT_EQ(lastPage, pages - 1);
    EXPECT_NE(pageText.back().find("Strana " + std::to_string(pages) + " z " + std::to_string(pages)),
              std::string::npos);
}

// Blocks allocated at their exact size, so that a sanitizer build catches any read past them.
TEST_F(PrintEntries, FullShortStringsAndOversizedCountsStayInsideTheBlocks) {
    auto name = std::make_unique<ShortString>();
    std::string longName;
    while (longName.size() < 600)
        longName += "Ďurko Šťastný ";
    *name = shortString(longName); // cut at 255 characters
    ASSERT_EQ(name->length, 255);
    longName = tisk::decode(*name);

    for (std::string_view entryName : {"TR1", "TR6"}) {
        SCOPED_TRACE(std::string(entryName));
        const int block = tisk::linesBlockSize(entryName);
        auto lines = std::make_unique<ShortString[]>(block);
        std::string full = "Veta";
        while (full.size() < 600)
            full += " Šťuka";
        for (int i = 0; i < block; ++i)
            lines[i] = shortString(full);
        const tisk::EntryInfo& entry = info(entryName);
        const Library library(entry.library);
        auto* fn = reinterpret_cast<tisk::LinesEntry*>(library.entry(entry.name));
        ASSERT_EQ(fn(lines.get(), 255, name.get()), tisk::kNoDefaultPrinter);
        const fs::path sheet = onlySheet();
        const std::string text = pdfText(sheet);
        EXPECT_NE(text.find(collapsed(longName)), std::string::npos);
        EXPECT_NE(text.find(std::to_string(block) + ". Veta Šťuka"), std::string::npos);
        EXPECT_EQ(text.find(std::to_string(block + 1) + ". Veta"), std::string::npos);
        fs::remove(sheet);
    }

    auto words = std::make_unique<ShortString[]>(tisk::kMaxExamples * tisk::kWordsPerExample);
    auto flags = std::make_unique<std::uint8_t[]>(tisk::kMaxExamples * tisk::kWordsPerExample);
    for (int i = 0; i < tisk::kMaxExamples * tisk::kWordsPerExample; ++i) {
        words[i] = shortString(std::string(255, 'a' + i % 26));
        flags[i] = i % 2;
    }
    auto* tr11b = reinterpret_cast<tisk::MarkedWordsEntry*>(Library(tisk::kTisk2Library).entry("TR11b"));
    EXPECT_EQ(tr11b(words.get(), flags.get(), 200, name.get()), tisk::kNoDefaultPrinter);
}

TEST_F(PrintEntries, AnEmptyNameLeavesALineToWriteItOn) {
    const ShortString empty{};
    ASSERT_EQ(call(info("TR9"), argumentsFor(info("TR9"), 10), 10, empty), tisk::kNoDefaultPrinter);
    const std::string text = pdfText(onlySheet());
    EXPECT_EQ(firstMissingInOrder(text, {"Vzťahy medzi hlavnými vetami", "Meno:", "1. Ďateľ číslo 1 "}), -1)
        << text;
}

TEST_F(PrintEntries, NothingToPrintIsAFailureAndKeepsNoSheet) {
    const Arguments blank = linesOf({"", "   "}, tisk::kMaxExamples);
    EXPECT_EQ(call(info("TR7"), blank, 0, shortString(kPupil)), tisk::kFailed);
    EXPECT_EQ(call(info("TR7"), blank, 2, shortString(kPupil)), tisk::kFailed);
    EXPECT_TRUE(pdfsIn(sheetFolder()).empty());
}

TEST_F(PrintEntries, SheetsOfTheSameMomentAreAllKept) {
    const Arguments args = argumentsFor(info("TR13"), 10);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(call(info("TR13"), args, 10, shortString(kPupil)), tisk::kNoDefaultPrinter);
    EXPECT_EQ(pdfsIn(sheetFolder()).size(), 3u);
}

TEST_F(PrintEntries, SheetsGoToTheDocumentsFolderTheUserConfigured) {
    fs::create_directories(home_.path() / ".config");
    std::FILE* dirs = std::fopen((home_.path() / ".config" / "user-dirs.dirs").c_str(), "w");
    ASSERT_NE(dirs, nullptr);
    std::fputs("# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", dirs);
    std::fclose(dirs);
    ASSERT_EQ(call(info("TR14"), argumentsFor(info("TR14"), 10), 10, shortString(kPupil)),
              tisk::kNoDefaultPrinter);
    EXPECT_EQ(pdfsIn(home_.path() / "Dokumenty" / "Brevion").size(), 1u);
    EXPECT_FALSE(fs::exists(sheetFolder()));
}

} // namespace
