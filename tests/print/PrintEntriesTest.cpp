// The seventeen entries called through dlopen as the program calls them, read back from the PDF each
// keeps in the documents folder. No CUPS server answers here, so every entry reports the missing
// default printer and prints nothing.
#include "PrintTestSupport.h"

#include <fstream>
#include <map>
#include <memory>
#include <regex>

namespace {

using namespace printtest;
using tisk::EntryForm;
using tisk::ShortString;
constexpr int kSlots = tisk::kMaxExamples * tisk::kWordsPerExample;
const std::string kPupil = "Ľubica Ťažká";

const tisk::EntryInfo& info(std::string_view name) {
    return *std::find_if(tisk::kEntries.begin(), tisk::kEntries.end(),
                         [&](auto& e) { return e.name == name; });
}

// Arguments of one call, and the texts the sheet must show for them.
struct Call {
    std::vector<ShortString> strings;
    std::vector<std::uint8_t> flags = std::vector<std::uint8_t>(kSlots);
    std::vector<std::string> expected;
};

Call linesCall(const std::vector<std::string>& examples, int blockSize) {
    Call call;
    call.strings.resize(blockSize);
    for (std::size_t i = 0; i < examples.size(); ++i)
        call.strings[i] = shortString(examples[i]);
    call.expected = examples;
    return call;
}

// Words as the program passes them: bare words with flags for "TR5" and "TR11b", words with their
// spaces and a gap for "TR12".
Call wordsCall(EntryForm form, int count) {
    Call call;
    call.strings.resize(kSlots);
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i + 1);
        const std::vector<std::string> words =
            form == EntryForm::Words
                ? std::vector<std::string>{"Nepôjdem ", "von " + n + "-krát",
                                           ", ",        "#lebo | ale | hoci ",
                                           "prší",      "."}
                : std::vector<std::string>{"Brat", n, ",", "ako", "vieš", ",", "rád", "pláva", "."};
        for (std::size_t k = 0; k < words.size(); ++k) {
            call.strings[i * tisk::kWordsPerExample + k] = shortString(words[k]);
            call.flags[i * tisk::kWordsPerExample + k] = words[k] == "ako" || words[k] == "vieš";
        }
        if (form == EntryForm::Words)
            call.expected.insert(call.expected.end(),
                                 {"Nepôjdem von " + n + "-krát,", "(lebo / ale / hoci) prší."});
        else
            call.expected.push_back("Brat " + n + ", ako vieš, rád pláva.");
    }
    return call;
}

// One example of a word table.
Call oneExample(const std::vector<std::string>& words) {
    Call call;
    call.strings.resize(kSlots);
    for (std::size_t k = 0; k < words.size(); ++k)
        call.strings[k] = shortString(words[k]);
    return call;
}

// `count` examples of the entry's form; lines read "Ďateľ <number> ťuká ...".
Call callFor(const tisk::EntryInfo& entry, int count) {
    if (entry.form != EntryForm::Lines) return wordsCall(entry.form, count);
    std::vector<std::string> examples;
    for (int i = 1; i <= count; ++i)
        examples.push_back("Ďateľ " + std::to_string(i) + " ťuká na starý buk pri potôčiku.");
    return linesCall(examples, tisk::linesBlockSize(entry.name));
}

int pageCount(const fs::path& pdf) {
    const std::string info = run("pdfinfo '" + pdf.string() + "'");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

int invoke(const tisk::EntryInfo& entry, const Call& call, int count, const ShortString& name) {
    const Library library(entry.library);
    const auto n = static_cast<std::uint8_t>(count);
    if (entry.form == EntryForm::Lines)
        return library.entry<tisk::LinesEntry>(entry.name)(call.strings.data(), n, &name);
    if (entry.form == EntryForm::Words)
        return library.entry<tisk::WordsEntry>(entry.name)(call.strings.data(), n, &name);
    return library.entry<tisk::MarkedWordsEntry>(entry.name)(call.strings.data(), call.flags.data(), n,
                                                             &name);
}

class PrintEntries : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("HOME", home_.path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home_.path() / ".config").c_str(), 1);
        setenv("CUPS_SERVER", (home_.path() / "no-cupsd.sock").c_str(), 1); // never a real printer
        unsetenv("LPDEST");
        unsetenv("PRINTER");
    }

    // The sheet an entry has just kept; it is taken away so the next call's sheet is alone again.
    fs::path takeSheet(const fs::path& folder = {}) {
        const auto sheets = pdfsIn(folder.empty() ? home_.path() / "Documents" / "Brevion" : folder);
        EXPECT_EQ(sheets.size(), 1u);
        if (sheets.empty()) return {};
        const fs::path taken = home_.path() / ("taken-" + std::to_string(++taken_) + ".pdf");
        fs::rename(sheets.front(), taken);
        return taken;
    }

    TempDir home_;
    int taken_ = 0;
};

// Ten examples and their answer rooms share one page with the header on every sheet but those whose
// answer boxes fill two rows (03, 04, 11): those need more room than a page has.
TEST_F(PrintEntries, EveryEntryKeepsAnA4SheetWithTitleNameAndAllExamplesInOrder) {
    const std::map<std::string_view, std::string> titles{{"TR1", "Základné sklady"},
                                                         {"TR5", "Určovanie vetných členov"},
                                                         {"TR6b", "Prístavok"},
                                                         {"TR8b", "Čiarka v jednoduchej vete"},
                                                         {"TR12", "Doplňovanie spájacích výrazov"},
                                                         {"TR11b", "Vsuvka a vložená veta"}};
    for (const auto& entry : tisk::kEntries) {
        SCOPED_TRACE(std::string(entry.name));
        const Call call = callFor(entry, 10);
        ASSERT_EQ(invoke(entry, call, 10, shortString(kPupil)), tisk::kNoDefaultPrinter);
        const auto kept = pdfsIn(home_.path() / "Documents" / "Brevion");
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_TRUE(kept[0].filename().string().starts_with(std::string(entry.key) + "_20")) << kept[0];
        const fs::path sheet = takeSheet();
        EXPECT_NE(run("pdfinfo '" + sheet.string() + "'").find("595.276 x 841.89 pts (A4)"),
                  std::string::npos);
        if (entry.name != "TR3" && entry.name != "TR4" && entry.name != "TR11") {
            EXPECT_EQ(pageCount(sheet), 1);
        }
        std::vector<std::string> expected{kPupil};
        if (titles.contains(entry.name)) expected.insert(expected.begin(), titles.at(entry.name));
        expected.insert(expected.end(), call.expected.begin(), call.expected.end());
        const std::string text = pdfText(sheet);
        EXPECT_EQ(firstMissingInOrder(text, expected), "") << text;
    }
    // Thirteen do not fit even closed up: the sheet keeps its usual gaps and the last example goes
    // whole onto the second page.
    std::vector<std::string> examples(13, "Bol si už v Bojniciach ?");
    ASSERT_EQ(invoke(info("TR1"), linesCall(examples, 30), 13, shortString(kPupil)), tisk::kNoDefaultPrinter);
    const fs::path sheet = takeSheet();
    ASSERT_EQ(pageCount(sheet), 2);
    EXPECT_NE(pdfText(sheet, 2).find("13. Bol si už v Bojniciach?"), std::string::npos) << pdfText(sheet, 2);
}

TEST_F(PrintEntries, FlaggedWordsAndOnlyThoseAreBold) {
    for (std::string_view name : {"TR5", "TR11b"}) {
        SCOPED_TRACE(std::string(name));
        ASSERT_EQ(invoke(info(name), wordsCall(EntryForm::MarkedWords, 3), 3, shortString(kPupil)),
                  tisk::kNoDefaultPrinter);
        // pdftohtml wraps text of a bold face in <b>.
        const std::string xml = run("pdftohtml -xml -i -stdout '" + takeSheet().string() + "'");
        std::string bold, plain;
        static const std::regex fragment("<text [^>]*>(.*?)</text>");
        for (std::sregex_iterator it(xml.begin(), xml.end(), fragment), end; it != end; ++it) {
            const std::string content = (*it)[1];
            (content.starts_with("<b>") ? bold : plain) +=
                std::regex_replace(content, std::regex("</?b>"), "");
        }
        EXPECT_NE(bold.find("1.ako vieš2.ako vieš3.ako vieš"), std::string::npos) << bold;
        EXPECT_NE(collapsed(plain).find("Brat 3, , rád pláva."), std::string::npos) << plain;
    }
}

TEST_F(PrintEntries, LongExamplesFlowOntoFurtherPagesAndNoneIsCut) {
    std::vector<std::string> examples;
    for (int i = 1; i <= 30; ++i) {
        std::string text = "Príklad " + std::to_string(i) + ":";
        while (text.size() < 230)
            text += " Malý Ďurko s bratom Ľubošom behajú po lúke";
        examples.push_back(text + " koniec " + std::to_string(i) + ".");
    }
    ASSERT_EQ(invoke(info("TR3"), linesCall(examples, 30), 30, shortString(kPupil)), tisk::kNoDefaultPrinter);
    const fs::path sheet = takeSheet();
    std::vector<std::string> pages;
    for (int p = 1; pdfText(sheet).find("Strana " + std::to_string(p) + " z") != std::string::npos; ++p)
        pages.push_back(pdfText(sheet, p));
    ASSERT_GE(pages.size(), 3u);
    std::size_t page = 0;
    for (std::size_t i = 0; i < examples.size(); ++i) {
        const std::string whole = std::to_string(i + 1) + ". " + examples[i];
        while (page < pages.size() && pages[page].find(whole) == std::string::npos)
            ++page;
        ASSERT_LT(page, pages.size()) << "cut or out of order: " << whole;
    }
    EXPECT_EQ(page, pages.size() - 1);
}

// Blocks are allocated at their exact size: a sanitizer build catches any read past them.
TEST_F(PrintEntries, FullOrEmptyShortStringsOversizedCountsAndOddBytesAreHandled) {
    std::string longName;
    while (longName.size() < 600)
        longName += "Ďurko Šťastný ";
    auto name = std::make_unique<ShortString>(shortString(longName));
    ASSERT_EQ(name->length, 255);
    for (std::string_view entryName : {"TR1", "TR6"}) {
        const int block = tisk::linesBlockSize(entryName);
        auto lines = std::make_unique<ShortString[]>(block);
        for (int i = 0; i < block; ++i)
            lines[i] = shortString("Veta " + std::to_string(i + 1) + longName);
        // Windows-1250 with an unassigned byte (0x81), a NUL and a tab.
        constexpr char odd[] = "Pekn\xFD\x81"
                               "de\xF2\0\tkoniec";
        lines[0].length = sizeof odd - 1;
        std::copy(odd, odd + sizeof odd - 1, lines[0].text);
        const Library library(info(entryName).library);
        ASSERT_EQ(library.entry<tisk::LinesEntry>(entryName)(lines.get(), 255, name.get()),
                  tisk::kNoDefaultPrinter);
        const std::string text = pdfText(takeSheet());
        const std::string last = std::to_string(block) + ". Veta " + std::to_string(block);
        EXPECT_EQ(firstMissingInOrder(text, {"Ďurko Šťastný Ďurko", "Pekný", "koniec", last}), "") << text;
        EXPECT_EQ(text.find(std::to_string(block + 1) + ". Veta"), std::string::npos);
    }
    auto words = std::make_unique<ShortString[]>(kSlots);
    auto flags = std::make_unique<std::uint8_t[]>(kSlots);
    for (int i = 0; i < kSlots; ++i) {
        words[i] = shortString(std::string(255, static_cast<char>('a' + i % 26)));
        flags[i] = i % 2;
    }
    // An empty name leaves a line to write it on.
    ASSERT_EQ(invoke(info("TR9"), callFor(info("TR9"), 10), 10, ShortString{}), tisk::kNoDefaultPrinter);
    const std::string text = pdfText(takeSheet());
    EXPECT_EQ(firstMissingInOrder(text, {"Vzťahy medzi hlavnými vetami", "Meno:", "Dátum:", "1. Ďateľ 1 "}),
              "")
        << text;

    const Library tisk2(tisk::kTisk2Library);
    EXPECT_EQ(tisk2.entry<tisk::MarkedWordsEntry>("TR11b")(words.get(), flags.get(), 200, name.get()),
              tisk::kNoDefaultPrinter);
    EXPECT_EQ(tisk2.entry<tisk::WordsEntry>("TR12")(words.get(), 200, name.get()), tisk::kNoDefaultPrinter);
}

TEST_F(PrintEntries, NothingToPrintIsAFailureAndKeepsNoSheet) {
    const Call blank = linesCall({"", "   "}, tisk::kMaxExamples);
    EXPECT_EQ(invoke(info("TR7"), blank, 0, shortString(kPupil)), tisk::kFailed);
    EXPECT_EQ(invoke(info("TR7"), blank, 2, shortString(kPupil)), tisk::kFailed);
    EXPECT_TRUE(pdfsIn(home_.path() / "Documents" / "Brevion").empty());
}

TEST_F(PrintEntries, SheetsGoToTheConfiguredDocumentsFolderAndNoneOverwritesAnother) {
    fs::create_directories(home_.path() / ".config");
    std::ofstream(home_.path() / ".config" / "user-dirs.dirs")
        << "# xdg-user-dirs\nXDG_DOCUMENTS_DIR=\"$HOME/Moje \\\"listy\\\"\"\n";
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(invoke(info("TR14"), callFor(info("TR14"), 10), 10, shortString(kPupil)),
                  tisk::kNoDefaultPrinter);
    EXPECT_EQ(pdfsIn(home_.path() / "Moje \"listy\"" / "Brevion").size(), 3u);
    EXPECT_FALSE(fs::exists(home_.path() / "Documents"));
}

TEST_F(PrintEntries, NoSpaceBeforeQuestionExclamationCommaOrColonOnPaper) {
    const std::vector<std::string> lines{"Bol si už v Bojniciach ?", "Poď sem  !",
                                         "Mama , otec a brat prišli .", "Kúpil som : chlieb , mlieko",
                                         "Čas 9:05 ostáva, ako je."};
    ASSERT_EQ(invoke(info("TR7"), linesCall(lines, 30), 5, shortString(kPupil)), tisk::kNoDefaultPrinter);
    EXPECT_EQ(
        firstMissingInOrder(pdfText(takeSheet()),
                            {"1. Bol si už v Bojniciach? ", "2. Poď sem! ", "3. Mama, otec a brat prišli . ",
                             "4. Kúpil som: chlieb, mlieko ", "5. Čas 9:05 ostáva, ako je."}),
        "");
    // Words: a mark that follows a bold word or the gap closes up to it as well.
    Call marked = oneExample({"Prídeš", "zajtra", " ?"});
    marked.flags[1] = 1;
    ASSERT_EQ(invoke(info("TR5"), marked, 1, shortString(kPupil)), tisk::kNoDefaultPrinter);
    EXPECT_NE(pdfText(takeSheet()).find("1. Prídeš zajtra?"), std::string::npos);
    const Call gap = oneExample({"Prídeš, ", "#ak | keď | lebo ", " ! ", "Nie ", ", ", "nie."});
    ASSERT_EQ(invoke(info("TR12"), gap, 1, shortString(kPupil)), tisk::kNoDefaultPrinter);
    const std::string text = pdfText(takeSheet());
    EXPECT_NE(text.find("(ak / keď / lebo)! Nie, nie."), std::string::npos) << text;
}

} // namespace
