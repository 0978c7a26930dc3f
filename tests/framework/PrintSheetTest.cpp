// Print data of a worksheet and the call of the print library.
#include "framework/PrintSheet.h"

#include <platform/dynlib.h>
#include <platform/encoding.h>
#include <platform/errors.h>
#include <platform/helper_process.h>
#include <platform/message_box.h>
#include <print/TiskAbi.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using framework::Sentence;

Sentence sentence(const std::vector<std::string>& words) {
    Sentence s(15);
    for (std::size_t i = 0; i < words.size(); ++i)
        s[i].text = words[i];
    return s;
}

TEST(PrintLines, FullStopSticksOtherMarksAndEmptySlotsDoNotAndSlotFifteenIsNeverPrinted) {
    EXPECT_EQ(framework::wordsPrintLine(sentence({"Mama", "varí", "obed", "."}), 14), "Mama varí obed. ");
    EXPECT_EQ(framework::wordsPrintLine(sentence({"Prídeš", "?"}), 14), "Prídeš ? ");
    EXPECT_EQ(framework::wordsPrintLine(sentence({"A", "", "B"}), 14), "A B ");
    std::vector<std::string> words(15, "w");
    words[14] = "LAST";
    std::string expected;
    for (int i = 0; i < 14; ++i)
        expected += "w ";
    EXPECT_EQ(framework::wordsPrintLine(sentence(words), 14), expected);
    // A full stop in slot 15 is not printed, yet the word before it takes no space.
    words[14] = ".";
    expected.pop_back();
    EXPECT_EQ(framework::wordsPrintLine(sentence(words), 14), expected);
}

TEST(PrintLines, CutAt255CharactersNotBytes) {
    std::string word;
    for (int i = 0; i < 20; ++i)
        word += "č";
    const std::string line = framework::wordsPrintLine(sentence(std::vector<std::string>(14, word)), 14);
    EXPECT_EQ(platform::utf8Length(line), 255u);
    EXPECT_EQ(platform::utf8ToCp1250(line).size(), 255u);
}

// The stand-in print library of the end-to-end tests: its "TR1" writes down what it received and
// answers with the status it is told.
class PrintCall : public ::testing::Test {
protected:
    void SetUp() override { setenv("BREVION_FAKE_PRINT_LOG", log.c_str(), 1); }
    void TearDown() override {
        std::filesystem::remove(log);
        std::filesystem::remove(log.string() + ".key");
    }
    void print(int status, const std::string& library = FAKE_PRINT_LIBRARY,
               const std::string& entry = "TR1") {
        print(std::to_string(status), library, entry);
    }
    void print(const std::string& status, const std::string& library = FAKE_PRINT_LIBRARY,
               const std::string& entry = "TR1") {
        setenv("BREVION_FAKE_PRINT_STATUS", status.c_str(), 1);
        framework::printSheet(loader, boxes, library, entry, [this] {
            ++gathered;
            // The third line is beyond the count: the key leaves it out.
            return framework::PrintData{framework::PrintLines{{"Prvá veta. ", "Druhá ? ", "nie"}},
                                        2,
                                        "Ľubo",
                                        "01",
                                        "Základné sklady",
                                        {"Podmet: Prvá", "Prísudok: Druhá"}};
        });
    }
    // What the entry wrote to the log (`suffix` ".key": the key entry), in UTF-8.
    std::vector<std::string> logged(const std::string& suffix = "") const {
        std::ifstream in(log.string() + suffix, std::ios::binary);
        std::vector<std::string> got;
        for (std::string line; std::getline(in, line);)
            got.push_back(platform::cp1250ToUtf8(line));
        return got;
    }
    bool failureShown() {
        const bool shown = boxes.shown.size() == 1 &&
                           boxes.shown[0].caption == framework::kPrintFailureCaption &&
                           boxes.shown[0].text == framework::kPrintFailureText &&
                           boxes.shown[0].icon == platform::MessageIcon::Information;
        boxes.shown.clear();
        return shown;
    }
    std::filesystem::path log =
        std::filesystem::temp_directory_path() / ("print-" + std::to_string(getpid()));
    platform::DlLibraryLoader loader;
    platform::FakeMessageBoxes boxes;
    int gathered = 0;
};

// The library runs in a helper process and the sheet's data is gathered there, so neither the
// library nor what the gathering allocates or changes stays in the program; the entry still gets
// Windows-1250 lines, the count and the name.
TEST_F(PrintCall, TheEntryInTheHelperGetsWindows1250LinesTheCountAndTheName) {
    print(tisk::kPrinted);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(gathered, 0);
    std::vector<std::string> expected{"TR1 2", "Ľubo", "Prvá veta. ", "Druhá ? ", "nie"};
    expected.resize(2 + tisk::kMaxExamples);
    EXPECT_EQ(logged(), expected);
    std::ifstream maps("/proc/self/maps");
    const std::string text((std::istreambuf_iterator<char>(maps)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.find(std::filesystem::path(FAKE_PRINT_LIBRARY).filename().string()), std::string::npos);
}

// No printer is not among them: that is a printer error (below). The program goes on after each.
TEST_F(PrintCall, EveryFailureShowsThePrintFailureAndTheProgramGoesOn) {
    print(tisk::kPrinted, "/nonexistent/Data/Tisk.dll");
    EXPECT_TRUE(failureShown());
    print(tisk::kPrinted, FAKE_PRINT_LIBRARY, "TR99");
    EXPECT_TRUE(failureShown());
    print(tisk::kFailed);
    EXPECT_TRUE(failureShown());
    framework::printSheet(loader, boxes, FAKE_PRINT_LIBRARY, "TR1", []() -> framework::PrintData {
        throw platform::FileError("/hd/01.dat", "cannot open file");
    });
    EXPECT_TRUE(failureShown());

    // A helper that cannot start, crashes or hangs.
    platform::HelperSettings& settings = platform::helperSettings();
    const platform::HelperSettings saved = settings;
    settings.timeLimit = std::chrono::milliseconds(300);
    settings.startChild = [] {
        errno = EAGAIN;
        return pid_t(-1);
    };
    print(tisk::kPrinted);
    EXPECT_TRUE(failureShown()) << "cannot start";
    settings.startChild = saved.startChild;

    print("crash");
    EXPECT_TRUE(failureShown()) << "crash";

    const auto start = std::chrono::steady_clock::now();
    print("hang");
    EXPECT_TRUE(failureShown()) << "hang";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    settings = saved;

    // The program goes on: the next sheet prints.
    print(tisk::kPrinted);
    EXPECT_TRUE(boxes.shown.empty());
}

// A library that offers the key entry: the key follows the sheet, and the notice after printing
// names where both were kept, with and without a printer (then a printer error, not the failure).
TEST_F(PrintCall, TheKeyEntryGetsTheSheetsExamplesWithTheirAnswersAndTheNoticeNamesTheFiles) {
    print(tisk::kPrinted, FAKE_KEY_LIBRARY);
    const std::vector<std::string> got = logged(".key");
    EXPECT_EQ(got, (std::vector<std::string>{"TRKey 2", "01", "Základné sklady",
                                             "Prvá veta.  => Podmet: Prvá", "Druhá ?  => Prísudok: Druhá"}));
    const std::string kept = "\rPracovný list je uložený ako PDF:\r/home/ucitel/Documents/Brevion/01_a.pdf"
                             "\rKľúč správnych odpovedí:\r/home/ucitel/Documents/Brevion/01_a_kluc.pdf";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Pracovný list bol odoslaný na tlačiareň." + kept);
    boxes.shown.clear();
    try {
        print(tisk::kNoDefaultPrinter, FAKE_KEY_LIBRARY);
        FAIL() << "no PrinterError";
    } catch (const platform::PrinterError& e) {
        EXPECT_TRUE(e.noDefaultPrinter());
        EXPECT_EQ(e.notice(), "Nie je nainštalovaná žiadna tlačiareň." + kept);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

// The key's question lines are the sheet's examples in every print form; an answer leaves out its
// empty parts.
TEST(KeyLines, QuestionsAreTheSheetsExamplesInEveryFormAndAnswersSkipEmptyParts) {
    std::vector<std::string> slots(2 * tisk::kWordsPerExample);
    slots[0] = "Viem ";
    slots[1] = "#že | aby | kým ";
    slots[2] = "prší";
    slots[3] = ".";
    slots[tisk::kWordsPerExample] = "Druhá";
    const struct {
        framework::PrintForm form;
        std::vector<std::string> questions;
    } cases[] = {
        {framework::PrintLines{{"Jano spí. ", "Eva ? "}}, {"Jano spí. ", "Eva ? "}},
        {framework::PrintMarkedWords{{{"Jano", ",", "myslím", ",", "príde", "."}, {"Eva"}}, {}},
         {"Jano, myslím, príde.", "Eva"}},
        {framework::PrintWordSlots{slots}, {"Viem _____ prší.", "Druhá"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(framework::questionLines({c.form, 2, "", "", "", {}}), c.questions);
    EXPECT_EQ(framework::joinedAnswer({"", "a", "", "b"}), "a – b");
}

} // namespace
