#include "platform/encoding.h"

#include "iconv_text.h"
#include "platform/errors.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace platform {
namespace {

// One conversion descriptor per call: iconv_t keeps shift state and is not thread safe.
class Iconv {
public:
    Iconv(const char* from, const char* to) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw ConversionError(std::string("No conversion from ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts as much as it can; returns errno of the first failure (0 when all went through),
    // leaving `in`/`inLeft` at the offending sequence.
    int convert(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[1024];
        while (inLeft > 0) {
            char* inPtr = const_cast<char*>(in);
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr);
            in = inPtr;
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return errno;
        }
        return 0;
    }

private:
    iconv_t cd_;
};

} // namespace

namespace detail {

std::string iconvConvert(const char* from, const char* to, std::string_view bytes) {
    Iconv cd(from, to);
    std::string out;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    if (int err = cd.convert(in, left, out)) {
        std::size_t offset = bytes.size() - left;
        if (err == EINVAL)
            throw ConversionError("Incomplete " + std::string(from) + " sequence at the end of the text");
        throw ConversionError("Cannot convert the " + std::string(from) + " text to " + to + " at byte " +
                              std::to_string(offset));
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    Iconv cd("UTF-8", "UTF-32LE");
    std::string out;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    return cd.convert(in, left, out) == 0;
}

} // namespace detail

// Windows-1250 leaves 0x81, 0x83, 0x88, 0x90 and 0x98 unassigned. Such a byte stands for the C1
// control character of the same value (U+0081 ...), so that a file holding one reads and writes back
// unchanged instead of making every later save of it fail.
namespace {
bool isUnassignedCp1250(unsigned char b) {
    return b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
}
} // namespace

std::string cp1250ToUtf8(std::string_view bytes) {
    Iconv cd("CP1250", "UTF-8");
    std::string out;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (cd.convert(in, left, out) != 0) {
        out += '\xC2';
        out += *in;
        ++in;
        --left;
    }
    return out;
}

std::string utf8ToCp1250(std::string_view text) {
    Iconv cd("UTF-8", "CP1250");
    std::string out;
    const char* in = text.data();
    std::size_t left = text.size();
    while (int err = cd.convert(in, left, out)) {
        if (err == EILSEQ && left >= 2 && static_cast<unsigned char>(in[0]) == 0xC2 &&
            isUnassignedCp1250(static_cast<unsigned char>(in[1]))) {
            out += in[1];
            in += 2;
            left -= 2;
            continue;
        }
        const std::size_t offset = text.size() - left;
        if (err == EINVAL) throw ConversionError("Incomplete UTF-8 sequence at the end of the text");
        throw ConversionError("Cannot convert the UTF-8 text to CP1250 at byte " + std::to_string(offset));
    }
    return out;
}

bool representableInCp1250(std::string_view text) {
    try {
        utf8ToCp1250(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

} // namespace platform
