#include "framework/SentenceFile.h"

#include <platform/errors.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace framework;

// Markup of the kind exercises 01 to 04 use: space separates, "#" and "$" mark, "@" starts the remark.
SentenceFormat wordFormat(int slots = 15) {
    return SentenceFormat{.slots = slots,
                          .separators = {{' '}},
                          .marks = {{'#', 1}, {'$', 2}},
                          .modes = {{'@', kToRemark1}},
                          .punctuation = Punctuation::WordBeforeAtDropped};
}

std::vector<std::string> texts(const Sentence& s) {
    std::vector<std::string> out;
    for (const PPravidla& p : s)
        out.push_back(p.text);
    while (!out.empty() && out.back().empty())
        out.pop_back();
    return out;
}

std::vector<int> codes(const Sentence& s) {
    std::vector<int> out;
    for (const PPravidla& p : s)
        out.push_back(p.code);
    while (!out.empty() && out.back() == 0)
        out.pop_back();
    return out;
}

// Stored form of a reduced line: three filler characters before each text character.
std::string stored(const std::string& reduced) {
    std::string line;
    for (char c : reduced)
        line += std::string("x-!") + c;
    return line;
}

class TempFile {
public:
    explicit TempFile(const std::string& content)
        : path_(std::filesystem::temp_directory_path() /
                ("sentences-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dat")) {
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

TEST(LineReduction, KeepsEveryFourthCharacter) {
    EXPECT_EQ(reduceLine("...A...B...C"), "ABC");
    EXPECT_EQ(reduceLine("...A...B...C.."), "ABC");
    EXPECT_EQ(reduceLine("abc"), "");
    EXPECT_EQ(reduceLine(""), "");
}

TEST(LineSplitting, AcceptsCrLfAndLfAndALastLineWithoutEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(SentenceFile, ReadsStoredLinesConvertingWindows1250AndKeepsEmptyLinesInStep) {
    // "\x9Aa" is "ša" in Windows-1250; the second line is empty, the third too short to hold text.
    TempFile file(stored("#\x9A"
                         "a $je.@") +
                  "\r\n\r\nab\r\n" + stored("$Ide") + "\r\n");
    const SentenceTable table = readSentenceFile(wordFormat(), file.path());
    ASSERT_EQ(table.count, 4);
    EXPECT_EQ(texts(table.sentence(1)), (std::vector<std::string>{"ša", "je", "."}));
    EXPECT_EQ(codes(table.sentence(1)), (std::vector<int>{1, 2}));
    EXPECT_TRUE(texts(table.sentence(2)).empty());
    EXPECT_TRUE(texts(table.sentence(3)).empty());
    EXPECT_EQ(texts(table.sentence(4)), (std::vector<std::string>{"Ide"}));
    EXPECT_EQ(table.sentences.size(), static_cast<std::size_t>(kMaxSentences));
}

TEST(SentenceFile, MissingOrUnreadableFileRaisesFileError) {
    EXPECT_THROW(readSentenceFile(wordFormat(), "/nonexistent/01.dat"), platform::FileError);
    EXPECT_THROW(readSentenceFile(wordFormat(), std::filesystem::temp_directory_path().string()),
                 platform::FileError);
}

TEST(SentenceFile, LinesBeyondTheTableAreIgnored) {
    std::vector<std::string> lines(kMaxSentences + 5, "slovo");
    lines.back() = "posledne";
    const SentenceTable table = scanSentences(wordFormat(), lines);
    EXPECT_EQ(table.count, kMaxSentences);
    EXPECT_EQ(table.sentences.size(), static_cast<std::size_t>(kMaxSentences));
    EXPECT_EQ(texts(table.sentence(kMaxSentences)), (std::vector<std::string>{"slovo"}));
}

TEST(Scanning, SlotsBeyondTheFormatAreIgnoredAndReported) {
    const SentenceFormat format = wordFormat(3);
    SentenceScanner scanner(format);
    Sentence s(3);
    EXPECT_TRUE(scanner.scanLine("a b c #d e", s).overflow);
    EXPECT_EQ(texts(s), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(codes(s), std::vector<int>{});

    Sentence fits(3);
    EXPECT_FALSE(scanner.scanLine("a b c ", fits).overflow); // a separator alone stores nothing
}

TEST(Scanning, DoubleSeparatorLeavesAnEmptySlot) {
    const SentenceTable table = scanSentences(wordFormat(), {"Ja  idem"});
    EXPECT_EQ(texts(table.sentence(1)), (std::vector<std::string>{"Ja", "", "idem"}));
}

TEST(Scanning, PunctuationIsAWordBeforeAtAndDroppedElsewhere) {
    const SentenceTable table = scanSentences(wordFormat(), {"Napr. dnes prší.@", "Prší!@on", "Kto? Ja."});
    EXPECT_EQ(texts(table.sentence(1)), (std::vector<std::string>{"Napr", "dnes", "prší", "."}));
    EXPECT_EQ(texts(table.sentence(2)), (std::vector<std::string>{"Prší", "!"}));
    EXPECT_EQ(table.slot(2, 1).remark, "on");
    EXPECT_EQ(texts(table.sentence(3)), (std::vector<std::string>{"Kto", "Ja"}));
}

TEST(Scanning, MarkAtTheEndOfALineMarksTheFirstStoredCharacterOfALaterLine) {
    const SentenceFormat format = wordFormat();
    SentenceScanner scanner(format);
    Sentence first(15), empty(15), later(15);
    EXPECT_TRUE(scanner.scanLine("Ja idem $", first).markCarried);
    EXPECT_TRUE(scanner.scanLine("", empty).markCarried);
    EXPECT_FALSE(scanner.scanLine("  ty", later).markCarried);
    EXPECT_EQ(codes(first), std::vector<int>{});
    EXPECT_EQ(codes(later), (std::vector<int>{0, 0, 2}));
}

TEST(Scanning, PendingMarkAppliesToTheSlotWhereARemarkCharacterIsStored) {
    const SentenceTable table = scanSentences(wordFormat(), {"Prší a $@on"});
    EXPECT_EQ(codes(table.sentence(1)), (std::vector<int>{0, 0, 2}));
    EXPECT_EQ(table.slot(1, 1).remark, "on");
}

TEST(Scanning, PendingMarksApplyInOrderOneCharacterEach) {
    const SentenceTable table = scanSentences(wordFormat(), {"$#ab"});
    // "#" wins the first character; "$" is still pending for the second, in the same slot.
    EXPECT_EQ(codes(table.sentence(1)), (std::vector<int>{2}));
}

TEST(Scanning, RemarkWrittenWithSpacesIsJoinedAndTheSlotStillAdvances) {
    SentenceFormat format = wordFormat();
    format.marks.push_back({'%', 3, false}); // an immediate mark shows the slot number reached
    const SentenceTable table = scanSentences(format, {"Ide.@o n%"});
    EXPECT_EQ(table.slot(1, 1).remark, "on");
    EXPECT_EQ(codes(table.sentence(1)), (std::vector<int>{0, 0, 3}));
}

TEST(Scanning, ModeStaysOnToTheEndOfTheLineOnlyAndCanBeSwitchedOff) {
    SentenceFormat format = wordFormat();
    format.modes = {{'@', kToRemark1}, {'^', kToSubject}, {'~', kToRemark2, kToRemark1}};
    const SentenceTable table = scanSentences(format, {"a^b@c~d", "e"});
    EXPECT_EQ(table.slot(1, 1).subject, "bcd"); // never switched off
    EXPECT_EQ(table.slot(1, 1).remark, "c");
    EXPECT_EQ(table.slot(1, 2).remark, "d");
    EXPECT_EQ(texts(table.sentence(2)), (std::vector<std::string>{"e"})); // modes end with the line
}

TEST(Scanning, CandidateModeFillsTheRemarksOfSuccessiveSlots) {
    const SentenceFormat format{.slots = 2, .separators = {{' '}}, .modes = {{'$', kToCandidate}}};
    SentenceScanner scanner(format);
    Sentence s(2);
    EXPECT_TRUE(scanner.scanLine("x$a$b$c", s).overflow); // a third candidate has no slot
    EXPECT_EQ(s[0].remark, "a");
    EXPECT_EQ(s[1].remark, "b");
}

TEST(Scanning, FinishLineSeesTheWholeSentence) {
    SentenceFormat format{.slots = 1, .modes = {{'@', kToRemark1}}};
    format.finishLine = [](Sentence& s) { s[0].code = static_cast<std::int32_t>(s[0].remark.size()); };
    const SentenceTable table = scanSentences(format, {"dve slová@abc@d"});
    EXPECT_EQ(table.slot(1, 1).text, "dve slová");
    EXPECT_EQ(table.slot(1, 1).remark, "abcd");
    EXPECT_EQ(table.slot(1, 1).code, 4);
}

} // namespace
