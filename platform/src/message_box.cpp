#include "platform/message_box.h"

#include <iostream>
#include <sstream>

namespace platform {
namespace {

// Line breaks are single carriage returns; CR LF is one break as well.
std::string withNewlines(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r')
            out += text[i];
        else if (i + 1 >= text.size() || text[i + 1] != '\n')
            out += '\n';
    }
    return out;
}

} // namespace

void logMessage(const std::string& caption, const std::string& text) {
    std::istringstream lines(withNewlines(text));
    std::string line, out;
    while (std::getline(lines, line))
        out += caption + ": " + line + '\n';
    if (out.empty()) out = caption + ":\n";
    std::cerr << out << std::flush;
}

} // namespace platform
