#include "Codec.h"

#include <framework/SentenceFile.h>
#include <platform/errors.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

const std::string kSlovak = "aáäbcčdďdzdžeéfghchiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž "
                            "AÁÄBCČDĎEÉFGHIÍJKLĹĽMNŇOÓÔPQRŔSŠTŤUÚVWXYÝZŽ .,!?-„“";

TEST(Codec, StoredLinesHoldThreePrintableFillersBeforeEachCharacterAndEndWithCrLf) {
    const std::string stored = sentencedata::encodeLines({"Ján", "", "ťa"});
    const std::vector<std::string> lines = framework::splitLines(stored);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 12u);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(framework::reduceLine(lines[0]), "J\xE1n"); // Windows-1250
    EXPECT_EQ(framework::reduceLine(lines[2]), "\x9D"
                                               "a");
    for (std::size_t i = 0; i < lines[0].size(); i += 4) {
        const std::string fillers = lines[0].substr(i, 3);
        EXPECT_TRUE(std::all_of(fillers.begin(), fillers.end(), [](char c) { return c >= '!' && c <= '~'; }))
            << fillers;
    }
    EXPECT_EQ(stored.substr(12, 4), "\r\n\r\n");
    EXPECT_EQ(stored, sentencedata::encodeLines({"Ján", "", "ťa"})); // reproducible
}

TEST(Codec, EverySlovakLetterSurvivesEncodeDecodeAndTheReader) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("codec-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in.txt", std::ios::binary) << "\xEF\xBB\xBF" << kSlovak << "\r\n#$@\n";
    sentencedata::encodeFile((dir / "in.txt").string(), (dir / "out.dat").string());
    EXPECT_EQ(framework::readStoredLines((dir / "out.dat").string()),
              (std::vector<std::string>{kSlovak, "#$@"}));
    sentencedata::decodeFile((dir / "out.dat").string(), (dir / "back.txt").string());
    EXPECT_EQ(framework::readFileBytes((dir / "back.txt").string()), kSlovak + "\n#$@\n");
    std::filesystem::remove_all(dir);
}

TEST(Codec, TextOutsideWindows1250IsRefusedNamingTheLine) {
    try {
        sentencedata::encodeLines({"dobre", "Жук"});
        FAIL() << "no error";
    } catch (const platform::ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
    }
}

} // namespace
