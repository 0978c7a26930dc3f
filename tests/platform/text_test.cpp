// Text conversions, paths and date formats.
#include "platform/clock.h"
#include "platform/encoding.h"
#include "platform/errors.h"
#include "platform/paths.h"

#include <clocale>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform;

namespace {
const std::string kSlovakLetters = "áäčďéíĺľňóôŕšťúýžÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ";
}

TEST(Encoding, SlovakLettersRoundTripThroughWindows1250) {
    std::string bytes = utf8ToCp1250(kSlovakLetters);
    EXPECT_EQ(bytes.size(), 34u);
    EXPECT_EQ(cp1250ToUtf8(bytes), kSlovakLetters);
    // Spot checks against the code page (ISO 8859-2 would differ on these).
    EXPECT_EQ(utf8ToCp1250("šťžľŠŤŽĽ"), "\x9A\x9D\x9E\xBE\x8A\x8D\x8E\xBC");
    EXPECT_EQ(utf8ToCp1250("Žiak 7.A\r\n"), "\x8Eiak 7.A\r\n");
    EXPECT_TRUE(representableInCp1250(kSlovakLetters + "€„“"));
    EXPECT_EQ(utf8Length(kSlovakLetters), 34u);
    // Bytes the code page leaves unassigned survive the round trip (a file holding one can be saved).
    const std::string unassigned = "a\x81\x83\x88\x90\x98z";
    EXPECT_EQ(cp1250ToUtf8(unassigned), "a\xC2\x81\xC2\x83\xC2\x88\xC2\x90\xC2\x98z");
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(unassigned)), unassigned);
}

TEST(Encoding, RefusesWhatWindows1250CannotStoreAndInvalidUtf8) {
    for (std::string bad : {"Peña", "Жанна", "中", "\xC3", "a\xFFz", "\xED\xA0\x80"}) {
        EXPECT_THROW(utf8ToCp1250(bad), ConversionError) << bad;
        EXPECT_FALSE(representableInCp1250(bad)) << bad;
    }
}

TEST(Paths, StripExactlyOneTrailingSeparatorAndJoinBackslashPathsKeepingCase) {
    EXPECT_EQ(stripOneTrailingSeparator("D:\\"), "D:");
    EXPECT_EQ(stripOneTrailingSeparator("D:\\\\"), "D:\\");
    EXPECT_EQ(stripOneTrailingSeparator("/media/cd"), "/media/cd");
    EXPECT_EQ(stripOneTrailingSeparator(""), "");
    EXPECT_EQ(joinPath("/media/CD", "\\Bitmap\\Games\\01bckg.bmp"), "/media/CD/Bitmap/Games/01bckg.bmp");
    EXPECT_EQ(joinPath("/hd/", "\\P01.res"), "/hd/P01.res");
    EXPECT_EQ(joinPath("/hd", "Znamky.dat"), "/hd/Znamky.dat");
    EXPECT_EQ(joinPath("", "\\Sound\\Click.wav"), "/Sound/Click.wav");
}

TEST(Paths, WindowsDirectoryIsTheConfigurationDirectory) {
    setenv("XDG_CONFIG_HOME", "/tmp/cfg/", 1);
    EXPECT_EQ(windowsDirectory(), "/tmp/cfg");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: ignored
    setenv("HOME", "/home/ziak", 1);
    EXPECT_EQ(windowsDirectory(), "/home/ziak/.config");
}

namespace {
// 6 December 2026, 9:05:07 UTC.
constexpr std::time_t kMorning = 1796547907;
} // namespace

TEST(DateTime, CLocaleUsesSlovakConventionsWithoutLeadingZeros) {
    setenv("TZ", "UTC", 1);
    tzset();
    for (const char* locale : {"C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"}) {
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(shortDate(kMorning), "6.12.2026") << locale;
        EXPECT_EQ(longTime(kMorning), "9:05:07") << locale;
        EXPECT_EQ(longTime(kMorning + 13 * 3600 + 55), "22:06:02") << locale;
    }
}

TEST(DateTime, UserLocaleFormatsAreUsedWithoutChangingTheProgramLocale) {
    // A Slovak locale compiled for this test alone (needs the glibc locale sources).
    auto dir = std::filesystem::temp_directory_path() / ("locale-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::string command = "localedef -i sk_SK -f UTF-8 " + (dir / "sk_SK.UTF-8").string() + " 2>/dev/null";
    if (std::system(command.c_str()) != 0) {
        std::filesystem::remove_all(dir);
        GTEST_SKIP() << "localedef cannot build sk_SK.UTF-8 here";
    }
    setenv("LOCPATH", dir.c_str(), 1);
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("LC_ALL", "sk_SK.UTF-8", 1);
    EXPECT_EQ(shortDate(kMorning), "06.12.2026");
    EXPECT_EQ(longTime(kMorning), "09:05:07");
    EXPECT_STREQ(std::setlocale(LC_TIME, nullptr), "C");
    std::filesystem::remove_all(dir);
}
