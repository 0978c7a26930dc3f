#pragma once
// The two forms of a sentence file. Source: UTF-8 text, one reduced line per line, LF or CR LF.
// Stored: Windows-1250, CR LF, each text character preceded by three filler characters.
#include <string>
#include <string_view>
#include <vector>

namespace sentencedata {

// One source line read from a file, or why it cannot be stored.
struct SourceLine {
    std::string text;  // UTF-8
    std::string error; // empty when the line can be stored in Windows-1250
};

// The lines of a source file (a leading UTF-8 byte order mark is skipped). Throws platform::FileError.
std::vector<SourceLine> readSourceLines(const std::string& path);

// The stored form of UTF-8 lines. Throws platform::ConversionError naming the first bad line.
std::string encodeLines(const std::vector<std::string>& lines);

// The source form (UTF-8, LF) of stored file content.
std::string decodeContent(std::string_view stored);

// encode <source> <stored> and decode <stored> <source>. Throw platform::FileError, ConversionError.
void encodeFile(const std::string& sourcePath, const std::string& storedPath);
void decodeFile(const std::string& storedPath, const std::string& sourcePath);

} // namespace sentencedata
