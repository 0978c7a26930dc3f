// The parts of the print libraries that need no PDF: decoding short strings, turning the three
// argument forms into examples, and the rules for where a sheet is kept.
#include "Output.h"
#include "PrintTestSupport.h"
#include "Sheet.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace {

using printtest::shortString;
using tisk::ShortString;

ShortString raw(std::string_view bytes) {
    ShortString s{};
    s.length = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), s.text);
    return s;
}

TEST(PrintText, DecodesWindows1250AndNeverYieldsInvalidUtf8) {
    EXPECT_EQ(tisk::decode(shortString("Ľúbostná ťava ďobe ôsmy šťavnatý žaluď")),
              "Ľúbostná ťava ďobe ôsmy šťavnatý žaluď");
    // Unassigned bytes become U+FFFD; control characters, NUL included, become spaces.
    EXPECT_EQ(tisk::decode(raw(std::string("a\x81"
                                           "b\0c\td\x98",
                                           8))),
              "a\xEF\xBF\xBD"
              "b c d\xEF\xBF\xBD");
    // Only `length` bytes count, whatever follows them.
    ShortString s = raw("abc");
    s.text[3] = 'X';
    EXPECT_EQ(tisk::decode(s), "abc");
    ShortString full{};
    full.length = 255;
    std::fill(std::begin(full.text), std::end(full.text), '\x9A'); // š
    EXPECT_EQ(tisk::decode(full).size(), 510u);
}

TEST(PrintSheet, MarkedWordsJoinWithSpacesAndPunctuationSticks) {
    std::vector<ShortString> words(tisk::kMaxExamples * tisk::kWordsPerExample);
    std::vector<std::uint8_t> flags(words.size());
    const char* first[] = {"Brat", ",", "ako", "vieš", ",", "", "pláva", "!"};
    for (int k = 0; k < 8; ++k)
        words[k] = shortString(first[k]);
    flags[2] = flags[3] = 1;
    words[tisk::kWordsPerExample] = shortString("Prší"); // example 2, unmarked
    // Example 3 is empty and left out.
    const auto examples = tisk::examplesFromMarkedWords(words.data(), flags.data(), 3);
    ASSERT_EQ(examples.size(), 2u);
    EXPECT_EQ(tisk::plainText(examples[0]), "Brat, ako vieš, pláva!");
    ASSERT_EQ(examples[0].size(), 3u);
    EXPECT_EQ(examples[0][1].text, "ako vieš");
    EXPECT_TRUE(examples[0][1].bold);
    EXPECT_FALSE(examples[0][0].bold);
    EXPECT_FALSE(examples[0][2].bold);
    EXPECT_EQ(tisk::plainText(examples[1]), "Prší");
}

TEST(PrintSheet, GapWordsCarryTheirCandidates) {
    std::vector<ShortString> words(tisk::kMaxExamples * tisk::kWordsPerExample);
    const char* example[] = {"Prídem ", "#keď | lebo | ale ", "budem ", "mať ", "čas", "."};
    for (int k = 0; k < 6; ++k)
        words[k] = shortString(example[k]);
    words[tisk::kWordsPerExample] = shortString("#aj|  |alebo "); // a gap at the end, an empty candidate
    const auto examples = tisk::examplesFromWords(words.data(), 2);
    ASSERT_EQ(examples.size(), 2u);
    EXPECT_EQ(tisk::plainText(examples[0]), "Prídem (keď / lebo / ale) budem mať čas.");
    EXPECT_TRUE(examples[0][1].gap);
    ASSERT_EQ(examples[1].size(), 1u);
    EXPECT_EQ(examples[1][0].text, "aj / alebo");
}

TEST(PrintSheet, CountsAreLimitedToTheBlock) {
    std::vector<ShortString> lines(tisk::kMaxExamples06, shortString("drevený stôl"));
    EXPECT_EQ(tisk::examplesFromLines(lines.data(), 255, tisk::kMaxExamples06).size(), 45u);
    EXPECT_EQ(tisk::examplesFromLines(lines.data(), 255, tisk::kMaxExamples).size(), 30u);
    EXPECT_EQ(tisk::examplesFromLines(lines.data(), 0, tisk::kMaxExamples).size(), 0u);
}

TEST(PrintOutput, DocumentsFolderFromUserDirs) {
    const std::filesystem::path home = "/home/ziak";
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n", home),
              "/home/ziak/Dokumenty");
    EXPECT_EQ(tisk::documentsDirFromUserDirs("# comment\r\nXDG_DESKTOP_DIR=\"$HOME/Plocha\"\r\n"
                                             "  XDG_DOCUMENTS_DIR=\"/srv/skola/listy\"\r\n",
                                             home),
              "/srv/skola/listy");
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Moje \\\"listy\\\"\"", home),
              "/home/ziak/Moje \"listy\"");
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"$HOME\"", home), "/home/ziak");
    // Relative paths, missing quotes and other keys are not a documents folder.
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR=\"Dokumenty\"", home), "");
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR=$HOME/Dokumenty", home), "");
    EXPECT_EQ(tisk::documentsDirFromUserDirs("XDG_DOCUMENTS_DIR_OLD=\"/x\"\nXDG_MUSIC_DIR=\"/y\"", home), "");
}

TEST(PrintOutput, SheetFileNamesCarryKeyDateAndTime) {
    std::tm when{};
    when.tm_year = 126;
    when.tm_mon = 11;
    when.tm_mday = 6;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 7;
    EXPECT_EQ(tisk::sheetFileName("06b", when, 1), "06b_2026-12-06_09-05-07.pdf");
    EXPECT_EQ(tisk::sheetFileName("12", when, 3), "12_2026-12-06_09-05-07_3.pdf");
}

} // namespace
