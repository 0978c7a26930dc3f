#include "Codec.h"

#include <framework/SentenceFile.h>
#include <platform/encoding.h>
#include <platform/errors.h>

#include <cstdint>
#include <fstream>

namespace sentencedata {

namespace {

// Printable ASCII noise, the same for the same line number, so encoding is reproducible.
class Filler {
public:
    explicit Filler(std::size_t line) : state_(static_cast<std::uint32_t>(line) * 2654435761u + 2463534242u) {
        if (state_ == 0) state_ = 1;
    }
    char next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<char>('!' + state_ % 94); // '!' .. '~'
    }

private:
    std::uint32_t state_;
};

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw platform::FileError(path, "cannot create file");
    out << content;
    out.close();
    if (!out) throw platform::FileError(path, "cannot write file");
}

} // namespace

std::vector<SourceLine> readSourceLines(const std::string& path) {
    std::string content = framework::readFileBytes(path);
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
    std::vector<SourceLine> lines;
    for (std::string& text : framework::splitLines(content)) {
        SourceLine line{std::move(text), {}};
        try {
            platform::utf8ToCp1250(line.text);
        } catch (const platform::ConversionError& e) {
            line.error = e.what();
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string encodeLines(const std::vector<std::string>& lines) {
    std::string stored;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string bytes;
        try {
            bytes = platform::utf8ToCp1250(lines[n]);
        } catch (const platform::ConversionError& e) {
            throw platform::ConversionError("line " + std::to_string(n + 1) + ": " + e.what());
        }
        Filler filler(n + 1);
        for (char c : bytes) {
            for (int i = 0; i < 3; ++i)
                stored.push_back(filler.next());
            stored.push_back(c);
        }
        stored += "\r\n";
    }
    return stored;
}

std::string decodeContent(std::string_view stored) {
    std::string source;
    for (const std::string& line : framework::splitLines(stored))
        source += platform::cp1250ToUtf8(framework::reduceLine(line)) + "\n";
    return source;
}

void encodeFile(const std::string& sourcePath, const std::string& storedPath) {
    std::vector<std::string> lines;
    for (SourceLine& line : readSourceLines(sourcePath))
        lines.push_back(std::move(line.text));
    std::string stored;
    try {
        stored = encodeLines(lines);
    } catch (const platform::ConversionError& e) {
        throw platform::ConversionError(sourcePath + ": " + e.what());
    }
    writeFile(storedPath, stored);
}

void decodeFile(const std::string& storedPath, const std::string& sourcePath) {
    writeFile(sourcePath, decodeContent(framework::readFileBytes(storedPath)));
}

} // namespace sentencedata
