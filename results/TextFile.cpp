#include "TextFile.h"

#include <platform/encoding.h>
#include <platform/errors.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

std::string errnoText() {
    return std::strerror(errno);
}

// Writes all of `bytes` to `fd`, continuing after partial writes.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string readTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw platform::FileError(path, "Cannot open file");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw platform::FileError(path, "Cannot read file");
    return platform::cp1250ToUtf8(bytes.str());
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '|')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool parseInteger(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string padRight(const std::string& text, std::size_t width) {
    std::size_t length = platform::utf8Length(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

void replaceFileAtomically(const std::string& path, const std::string& utf8Text) {
    const std::string bytes = platform::utf8ToCp1250(utf8Text);
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw platform::FileError(path, "Cannot create a temporary file beside (" + errnoText() + ")");
    // Keep the permissions a newly created file would get, not mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    std::string error = ok ? "" : errnoText();
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errnoText();
    }
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errnoText();
    }
    if (!ok) {
        ::unlink(temp.c_str());
        throw platform::FileError(path, "Cannot save file (" + error + ")");
    }
    // Make the rename itself durable.
    int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

void appendToFile(const std::string& path, const std::string& utf8Text) {
    const std::string bytes = platform::utf8ToCp1250(utf8Text);
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) throw platform::FileError(path, "Cannot open file for appending (" + errnoText() + ")");
    struct stat before {};
    bool ok = ::fstat(fd, &before) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
    std::string error = ok ? "" : errnoText();
    // A write cut short (a full disk) must not leave half a record behind.
    if (!ok) (void)::ftruncate(fd, before.st_size);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errnoText();
    }
    if (!ok) throw platform::FileError(path, "Cannot append to file (" + error + ")");
}

} // namespace results
