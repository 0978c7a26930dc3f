#include "platform/ini.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using platform::IniFile;

TEST(IniFile, MatchesWithoutRegardToCaseAndDefaultsWhenMissing) {
    IniFile ini = IniFile::fromText("[CES1]\nCD=D:\\\nhd=/home/zak\n[Other]\nX=1\n");
    EXPECT_EQ(ini.readString("ces1", "cd", "Chyba"), "D:\\");
    EXPECT_EQ(ini.readString("Ces1", "HD", "Chyba"), "/home/zak");
    EXPECT_EQ(ini.readString("CES1", "X", "Chyba"), "Chyba");
    EXPECT_EQ(ini.readString("CES2", "CD", "Chyba"), "Chyba");
    EXPECT_EQ(IniFile::fromText("").readString("CES1", "CD", "Chyba"), "Chyba");
}

TEST(IniFile, ValuesAreTrimmedAndLoseMatchingQuotes) {
    IniFile ini = IniFile::fromText("[s]\n"
                                    "a =  spaced value \t\n"
                                    "b=\" quoted \"\n"
                                    "c='single'\n"
                                    "d=\"mismatched'\n"
                                    "e=\"\n"
                                    "f=\n"
                                    "g=C:\\a;b ; not a comment\n");
    EXPECT_EQ(ini.readString("s", "a", "-"), "spaced value");
    EXPECT_EQ(ini.readString("s", "b", "-"), " quoted ");
    EXPECT_EQ(ini.readString("s", "c", "-"), "single");
    EXPECT_EQ(ini.readString("s", "d", "-"), "\"mismatched'");
    EXPECT_EQ(ini.readString("s", "e", "-"), "\"");
    EXPECT_EQ(ini.readString("s", "f", "-"), ""); // present but empty is not missing
    EXPECT_EQ(ini.readString("s", "g", "-"), "C:\\a;b ; not a comment");
}

TEST(IniFile, ToleratesCrLfBomIndentationLongLinesJunkAndDuplicates) {
    std::string longValue(1000, 'x');
    IniFile ini = IniFile::fromText("\xEF\xBB\xBF[CES1]\r\n"
                                    "; comment\r\n"
                                    "garbage line without equals\r\n"
                                    "  CD = /cd \r\n"
                                    "   HD=/hd\r\n"
                                    "cd=second\r\n"
                                    "LONG=" +
                                    longValue + "\r\n");
    EXPECT_EQ(ini.readString("CES1", "CD", "-"), "/cd");
    EXPECT_EQ(ini.readString("CES1", "HD", "-"), "/hd");
    EXPECT_EQ(ini.readString("CES1", "LONG", "-"), longValue);
}

TEST(IniFile, LoadsWindows1250AndUtf8FilesAndDefaultsWithoutAFile) {
    auto dir = std::filesystem::temp_directory_path() / ("ini-test-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "cp1250.ini", std::ios::binary) << "[CES1]\r\nHD=/home/\x8Akola\r\n";
    std::ofstream(dir / "utf8.ini", std::ios::binary) << "[CES1]\r\nHD=/home/\xC5\xA0kola\r\n";
    EXPECT_EQ(IniFile::load(dir / "cp1250.ini").readString("CES1", "HD", "-"), "/home/Škola");
    EXPECT_EQ(IniFile::load(dir / "utf8.ini").readString("CES1", "HD", "-"), "/home/Škola");
    EXPECT_EQ(IniFile::load(dir / "missing.ini").readString("CES1", "HD", "Chyba"), "Chyba");
    std::filesystem::remove_all(dir);
}
