#include "TextFile.h"

#include <platform/encoding.h>
#include <platform/errors.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

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

namespace {

constexpr char kTempMarker[] = ".tmp";
constexpr std::size_t kTempRandom = 6;

std::string nameOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, through any symbolic links; the path itself when nothing is there yet.
std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer)) return buffer;
    return path;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting a failure (a write the server refused at close).
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

[[noreturn]] void fail(const std::string& path, const std::string& what, int code) {
    throw platform::FileError(path, what + " (" + std::strerror(code) + ")", code);
}

// Writes `bytes` to a new temporary file beside `target` and renames it over `target`. `old`,
// when given, is the file being replaced: its permission bits and group carry over.
void writeAndRename(const std::string& target, const std::string& bytes, const struct stat* old) {
    std::string temp = target + kTempMarker + std::string(kTempRandom, 'X');
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) fail(target, "Cannot create a temporary file beside", errno);
    Descriptor file(fd);
    if (old) {
        // The group first: changing it may clear set-group-ID bits that fchmod then restores.
        if (::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // Not a member of the file's group: the folder's default group stays.
        }
        ::fchmod(fd, old->st_mode & 07777);
    } else {
        // The permissions a newly created file would get, not mkstemp's 0600.
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    if (file.close() != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        fail(target, "Cannot save file", error);
    }
    // Make the rename itself durable.
    int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

// Removes temporary files of `target` left by saves that were killed. Runs under the file's lock:
// a temporary file exists only while its writer holds the lock, so every one found is stale.
void removeStaleTemporaries(const std::string& target) {
    DIR* dir = ::opendir(folderOf(target).c_str());
    if (!dir) return;
    const std::string name = nameOf(target);
    while (const dirent* entry = ::readdir(dir))
        if (isOwnTemporaryOf(name, entry->d_name)) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    ::closedir(dir);
}

std::string readAll(int fd, const std::string& path) {
    std::string bytes;
    char buffer[65536];
    for (off_t offset = 0;;) {
        ssize_t n = ::pread(fd, buffer, sizeof buffer, offset);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail(path, "Cannot read file", errno);
        }
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        offset += n;
    }
}

platform::FileError lockTimeout(const std::string& path) {
    return platform::FileError(path, "Cannot lock: another copy holds the lock", ETIMEDOUT);
}

void lockOrThrow(int fd, const std::string& path, std::chrono::milliseconds timeout,
                 std::chrono::microseconds* waited) {
    const platform::LockOutcome outcome = platform::lockFile(fd, path.c_str(), timeout);
    if (waited) *waited = outcome.waited;
    if (!outcome.locked) throw lockTimeout(path);
}

} // namespace

std::string readTextFile(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) fail(path, "Cannot open file", errno);
    struct stat st {};
    if (::fstat(file.get(), &st) == 0 && S_ISDIR(st.st_mode)) fail(path, "Cannot read file", EISDIR);
    return platform::cp1250ToUtf8(readAll(file.get(), path));
}

bool isOwnTemporaryOf(const std::string& fileName, const std::string& candidate) {
    const std::string prefix = fileName + kTempMarker;
    if (candidate.size() != prefix.size() + kTempRandom || candidate.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < candidate.size(); ++i) {
        const char c = candidate[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

void checkReplaceable(const std::string& path) {
    const std::string target = resolved(path);
    {
        Descriptor file(::open(target.c_str(), O_RDWR | O_CLOEXEC));
        if (file.get() < 0) fail(path, "Cannot open file for writing", errno);
    }
    if (::access(folderOf(target).c_str(), W_OK | X_OK) != 0) fail(path, "Cannot create files beside", errno);
}

void updateFileLocked(const std::string& path, const TextChange& change, std::chrono::milliseconds timeout,
                      std::chrono::microseconds* waited) {
    const auto began = std::chrono::steady_clock::now();
    const auto deadline = began + timeout;
    const std::string target = resolved(path);
    for (;;) {
        bool created = false;
        int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(target.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            created = fd >= 0;
            if (fd < 0 && errno == EEXIST) continue; // another copy created it: open that one
        }
        if (fd < 0) fail(path, "Cannot open file for writing", errno);
        Descriptor file(fd);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        const platform::LockOutcome outcome =
            platform::lockFile(fd, path.c_str(), std::max(left, std::chrono::milliseconds{0}));
        // The whole wait, also for versions locked and found replaced.
        if (waited)
            *waited = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                            began);
        if (!outcome.locked) throw lockTimeout(path);
        // The copy that held the lock may have replaced the file meanwhile: the lock is then on
        // the old version, which no name leads to any more. Lock the current one instead.
        struct stat locked {
        }, named{};
        if (::fstat(fd, &locked) != 0) fail(path, "Cannot read file", errno);
        if (locked.st_nlink == 0 || ::stat(target.c_str(), &named) != 0 || named.st_ino != locked.st_ino ||
            named.st_dev != locked.st_dev)
            continue;
        std::optional<std::string> current;
        if (!created) current = platform::cp1250ToUtf8(readAll(fd, path));
        removeStaleTemporaries(target);
        std::string bytes;
        try {
            bytes = platform::utf8ToCp1250(change(current));
        } catch (...) {
            // Nothing written: a file made only to be locked goes again.
            if (created) ::unlink(target.c_str());
            throw;
        }
        writeAndRename(target, bytes, &locked);
        return; // closing the descriptor releases the lock
    }
}

void appendToFile(const std::string& path, const std::string& utf8Text, std::chrono::milliseconds timeout,
                  std::chrono::microseconds* waited) {
    const std::string bytes = platform::utf8ToCp1250(utf8Text);
    int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fail(path, "Cannot open file for appending", errno);
    Descriptor file(fd);
    lockOrThrow(fd, path, timeout, waited);
    struct stat before {};
    int error = 0;
    if (::fstat(fd, &before) != 0 || !writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
    // A write cut short (a full disk) must not leave half a record behind. Under the lock no
    // other copy has appended meanwhile.
    if (error != 0) (void)::ftruncate(fd, before.st_size);
    if (file.close() != 0 && error == 0) error = errno;
    if (error != 0) fail(path, "Cannot append to file", error);
}

} // namespace results
