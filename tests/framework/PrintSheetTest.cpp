// Print data of a worksheet and the call of the print library.
#include "framework/PrintSheet.h"

#include <platform/dynlib.h>
#include <platform/encoding.h>
#include <platform/errors.h>
#include <platform/message_box.h>
#include <print/TiskAbi.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using framework::Sentence;

Sentence sentence(const std::vector<std::string>& words) {
    Sentence s(15);
    for (std::size_t i = 0; i < words.size(); ++i)
        s[i].text = words[i];
    return s;
}

TEST(PrintLines, FullStopSticksOtherMarksAndEmptySlotsDoNot) {
    EXPECT_EQ(framework::wordsPrintLine(sentence({"Mama", "varí", "obed", "."}), 14), "Mama varí obed. ");
    EXPECT_EQ(framework::wordsPrintLine(sentence({"Prídeš", "?"}), 14), "Prídeš ? ");
    EXPECT_EQ(framework::wordsPrintLine(sentence({"A", "", "B"}), 14), "A B ");
}

TEST(PrintLines, SlotFifteenIsNeverPrinted) {
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

TEST(PrintLines, ShortStringsAreWindows1250WithALengthByte) {
    const std::vector<unsigned char> block = framework::shortStringBlock({"Žiak", "", "ab"}, 30);
    ASSERT_EQ(block.size(), 30u * 256u);
    const auto* s = reinterpret_cast<const tisk::ShortString*>(block.data());
    EXPECT_EQ(s[0].length, 4);
    EXPECT_EQ(std::string(s[0].text, 4), platform::utf8ToCp1250("Žiak"));
    EXPECT_EQ(s[1].length, 0);
    EXPECT_EQ(s[2].length, 2);
    EXPECT_EQ(s[29].length, 0);
    EXPECT_THROW(framework::shortStringBlock({"日本"}, 1), platform::ConversionError);
}

// A library stand-in with named entries.
struct FakeLibrary : platform::DynamicLibrary {
    std::map<std::string, void*> entries;
    bool* released;
    FakeLibrary(std::map<std::string, void*> e, bool* r) : entries(std::move(e)), released(r) {}
    ~FakeLibrary() override { *released = true; }
    void* symbol(const std::string& name) const override {
        auto it = entries.find(name);
        return it == entries.end() ? nullptr : it->second;
    }
};

struct FakeLoader : platform::LibraryLoader {
    std::map<std::string, void*> entries;
    bool present = true;
    bool released = false;
    std::string loaded;
    std::unique_ptr<platform::DynamicLibrary> load(const std::string& path) override {
        loaded = path;
        if (!present) throw platform::FileError(path, "cannot load library");
        released = false;
        return std::make_unique<FakeLibrary>(entries, &released);
    }
};

struct Received {
    std::vector<std::string> lines;
    int count = -1;
    std::string name;
    int status = tisk::kPrinted;
} received;

int fakeTR1(const tisk::ShortString* lines, std::uint8_t count, const tisk::ShortString* name) {
    received.lines.clear();
    for (int i = 0; i < 30; ++i)
        received.lines.push_back(platform::cp1250ToUtf8({lines[i].text, lines[i].length}));
    received.count = count;
    received.name = platform::cp1250ToUtf8({name->text, name->length});
    return received.status;
}

class PrintCall : public ::testing::Test {
protected:
    void SetUp() override {
        received = {};
        loader.entries["TR1"] = reinterpret_cast<void*>(&fakeTR1);
    }
    void print(const std::string& entry = "TR1") {
        framework::printSheet(loader, boxes, "/cd/Data/Tisk.dll", entry, [&](void* e) {
            return framework::callLinesEntry(e, {"Prvá veta. ", "Druhá ? "}, 30, 2, "Ľubo");
        });
    }
    bool failureShown() const {
        return boxes.shown.size() == 1 && boxes.shown[0].caption == framework::kPrintFailureCaption &&
               boxes.shown[0].text == framework::kPrintFailureText &&
               boxes.shown[0].icon == platform::MessageIcon::Information;
    }
    FakeLoader loader;
    platform::FakeMessageBoxes boxes;
};

TEST_F(PrintCall, TheEntryGetsTheLinesTheCountAndTheNameAndTheLibraryIsReleased) {
    print();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(loader.loaded, "/cd/Data/Tisk.dll");
    EXPECT_TRUE(loader.released);
    ASSERT_EQ(received.lines.size(), 30u);
    EXPECT_EQ(received.lines[0], "Prvá veta. ");
    EXPECT_EQ(received.lines[1], "Druhá ? ");
    EXPECT_EQ(received.lines[2], "");
    EXPECT_EQ(received.count, 2);
    EXPECT_EQ(received.name, "Ľubo");
}

TEST_F(PrintCall, AMissingLibraryOrEntryOrAFailingBuildShowsThePrintFailure) {
    loader.present = false;
    print();
    EXPECT_TRUE(failureShown());
    EXPECT_EQ(received.count, -1);

    boxes.shown.clear();
    loader.present = true;
    print("TR99");
    EXPECT_TRUE(failureShown());
    EXPECT_TRUE(loader.released);

    boxes.shown.clear();
    framework::printSheet(loader, boxes, "/cd/Data/Tisk.dll", "TR1",
                          [](void*) -> int { throw platform::FileError("/hd/01.dat", "cannot open file"); });
    EXPECT_TRUE(failureShown());
    EXPECT_TRUE(loader.released);
}

TEST_F(PrintCall, TheLibrarysFailureShowsThePrintFailureAndNoPrinterIsAPrinterError) {
    received.status = tisk::kFailed;
    print();
    EXPECT_TRUE(failureShown());

    boxes.shown.clear();
    received.status = tisk::kNoDefaultPrinter;
    try {
        print();
        FAIL() << "no PrinterError";
    } catch (const platform::PrinterError& e) {
        EXPECT_TRUE(e.noDefaultPrinter());
    }
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(loader.released);
}

} // namespace
