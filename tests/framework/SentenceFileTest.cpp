#include "framework/SentenceFile.h"

#include <platform/errors.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
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

// The slots up to the last that holds anything, separated by "|": the text, then "/code",
// "@remark" and "^subject" where set.
std::string shown(const Sentence& s) {
    std::vector<std::string> slots;
    for (const PPravidla& p : s) {
        std::string slot = p.text;
        if (p.code) slot += "/" + std::to_string(p.code);
        if (!p.remark.empty()) slot += "@" + p.remark;
        if (!p.subject.empty()) slot += "^" + p.subject;
        slots.push_back(slot);
    }
    while (!slots.empty() && slots.back().empty())
        slots.pop_back();
    std::string out;
    for (std::size_t k = 0; k < slots.size(); ++k)
        out += (k ? "|" : "") + slots[k];
    return out;
}

// Stored form of a reduced line: three filler characters before each text character.
std::string stored(const std::string& reduced) {
    std::string line;
    for (char c : reduced)
        line += std::string("x-!") + c;
    return line;
}

TEST(LineSplitting, AcceptsCrLfAndLfAndALastLineWithoutEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(SentenceFile, ReadsStoredLinesConvertingWindows1250AndKeepsEmptyLinesInStep) {
    // "\x9Aa" is "ša" in Windows-1250; the second line is empty, the third too short to hold text,
    // the fourth ends in fillers without their character.
    const auto path = std::filesystem::temp_directory_path() / ("sentences-" + std::to_string(getpid()));
    std::ofstream(path, std::ios::binary) << stored("#\x9A"
                                                    "a $je.@")
                                          << "\r\n\r\nab\r\n" + stored("$Ide") + "x-\r\n";
    const SentenceTable table = readSentenceFile(wordFormat(), path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(table.count, 4);
    EXPECT_EQ(shown(table.sentence(1)), "ša/1|je/2|.");
    EXPECT_EQ(shown(table.sentence(2)), "");
    EXPECT_EQ(shown(table.sentence(3)), "");
    EXPECT_EQ(shown(table.sentence(4)), "Ide/2");
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
    EXPECT_EQ(shown(table.sentence(kMaxSentences)), "slovo");
}

TEST(Scanning, MarkupOfSlotsRemarksAndModes) {
    SentenceFormat immediate = wordFormat();
    immediate.marks.push_back({'%', 3, false}); // an immediate mark shows the slot number reached
    SentenceFormat modes = wordFormat();
    modes.modes = {{'@', kToRemark1}, {'^', kToSubject}, {'~', kToRemark2, kToRemark1}};
    SentenceFormat finished{.slots = 1, .modes = {{'@', kToRemark1}}};
    finished.finishLine = [](Sentence& s) { s[0].code = static_cast<std::int32_t>(s[0].remark.size()); };
    struct Case {
        const char* what;
        SentenceFormat format;
        std::vector<std::string> lines;
        std::vector<std::string> sentences; // shown(), one per line
    };
    const Case cases[] = {
        {"a double separator leaves an empty slot", wordFormat(), {"Ja  idem"}, {"Ja||idem"}},
        {"punctuation is a word before \"@\" and dropped elsewhere",
         wordFormat(),
         {"Napr. dnes prší.@", "Prší!@on", "Kto? Ja."},
         {"Napr|dnes|prší|.", "Prší@on|!", "Kto|Ja"}},
        {"a pending mark applies to the slot where a remark character is stored",
         wordFormat(),
         {"Prší a $@on"},
         {"Prší@on|a|/2"}},
        // "#" wins the first character; "$" is still pending for the second, in the same slot.
        {"pending marks apply in order, one character each", wordFormat(), {"$#ab"}, {"ab/2"}},
        {"a remark written with spaces is joined and the slot still advances",
         immediate,
         {"Ide.@o n%"},
         {"Ide@on|.|/3"}},
        // The subject mode is never switched off; the modes end with the line.
        {"a mode stays on to the end of the line only and can be switched off",
         modes,
         {"a^b@c~d", "e"},
         {"a@c^bcd|@d", "e"}},
        {"the line's finish sees the whole sentence", finished, {"dve slová@abc@d"}, {"dve slová/4@abcd"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SentenceTable table = scanSentences(c.format, c.lines);
        for (std::size_t n = 0; n < c.sentences.size(); ++n)
            EXPECT_EQ(shown(table.sentence(int(n) + 1)), c.sentences[n]) << "line " << n + 1;
    }
}

// A scanner reports slots beyond the format, ignoring what would go there.
TEST(Scanning, SlotsBeyondTheFormatAreIgnoredAndReported) {
    const SentenceFormat format = wordFormat(3);
    SentenceScanner scanner(format);
    Sentence s(3);
    EXPECT_TRUE(scanner.scanLine("a b c #d e", s).overflow);
    EXPECT_EQ(shown(s), "a|b|c");
    Sentence fits(3);
    EXPECT_FALSE(scanner.scanLine("a b c ", fits).overflow); // a separator alone stores nothing

    const SentenceFormat candidates{.slots = 2, .separators = {{' '}}, .modes = {{'$', kToCandidate}}};
    SentenceScanner candidateScanner(candidates);
    Sentence c(2);
    EXPECT_TRUE(candidateScanner.scanLine("x$a$b$c", c).overflow); // a third candidate has no slot
    EXPECT_EQ(shown(c), "x@a|@b");
}

TEST(Scanning, MarkAtTheEndOfALineMarksTheFirstStoredCharacterOfALaterLine) {
    const SentenceFormat format = wordFormat();
    SentenceScanner scanner(format);
    Sentence first(15), empty(15), later(15);
    EXPECT_TRUE(scanner.scanLine("Ja idem $", first).markCarried);
    EXPECT_TRUE(scanner.scanLine("", empty).markCarried);
    EXPECT_FALSE(scanner.scanLine("  ty", later).markCarried);
    EXPECT_EQ(shown(first), "Ja|idem");
    EXPECT_EQ(shown(later), "||ty/2");
}

} // namespace
