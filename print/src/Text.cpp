#include "Text.h"

#include <cerrno>
#include <iconv.h>
#include <memory>
#include <stdexcept>

namespace tisk {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};

std::unique_ptr<void, IconvCloser> openDecoder() {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert from CP1250");
    return std::unique_ptr<void, IconvCloser>(cd);
}

} // namespace

std::string decode(const ShortString& text) {
    auto decoder = openDecoder();
    auto cd = static_cast<iconv_t>(decoder.get());
    std::string out;
    // Every Windows-1250 character takes at most three bytes of UTF-8.
    char buffer[sizeof text.text * 3];
    char* in = const_cast<char*>(text.text);
    std::size_t inLeft = text.length;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno != EILSEQ && errno != EINVAL) throw std::runtime_error("CP1250 conversion failed");
            out += "\xEF\xBF\xBD"; // an unassigned byte: the replacement character
            ++in;
            --inLeft;
        }
    }
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return out;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace tisk
