#include "platform/helper_process.h"

#include "platform/dynlib.h"
#include "platform/errors.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

// The child's one answer: a kind byte, then the status or the error's texts.
enum class Kind : char {
    Status = 'S',
    File = 'F',
    Conversion = 'C',
    Printer = 'P',
    NoPrinter = 'N',
    Other = 'E'
};

void writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += std::size_t(n);
    }
}

void putText(std::string& out, const std::string& text) {
    const auto n = std::uint32_t(text.size());
    out.append(reinterpret_cast<const char*>(&n), sizeof n);
    out += text;
}

bool takeText(const std::string& in, std::size_t& pos, std::string& text) {
    std::uint32_t n = 0;
    if (in.size() - pos < sizeof n) return false;
    std::memcpy(&n, in.data() + pos, sizeof n);
    pos += sizeof n;
    if (in.size() - pos < n) return false;
    text = in.substr(pos, n);
    pos += n;
    return true;
}

// FileError's text without the ": <path>" it appends.
std::string bareFileMessage(const FileError& e) {
    std::string what = e.what();
    const std::string tail = ": " + e.path();
    if (what.ends_with(tail)) what.resize(what.size() - tail.size());
    return what;
}

[[noreturn]] void runChild(int answer, LibraryLoader& loader, const std::string& path,
                           const std::string& entryName, const HelperCall& call) {
    std::string out;
    try {
        std::unique_ptr<DynamicLibrary> library = loader.load(path);
        void* entry = library->symbol(entryName);
        if (!entry) throw FileError(path, "the print library has no entry " + entryName);
        std::string reply;
        const auto status = std::int32_t(call(*library, entry, reply));
        out += char(Kind::Status);
        out.append(reinterpret_cast<const char*>(&status), sizeof status);
        putText(out, reply);
    } catch (const FileError& e) {
        out = char(Kind::File);
        putText(out, e.path());
        putText(out, bareFileMessage(e));
    } catch (const ConversionError& e) {
        out = char(Kind::Conversion);
        putText(out, e.what());
    } catch (const PrinterError& e) {
        out = char(e.noDefaultPrinter() ? Kind::NoPrinter : Kind::Printer);
        putText(out, e.what());
    } catch (const std::exception& e) {
        out = char(Kind::Other);
        putText(out, e.what());
    }
    writeAll(answer, out);
    // No exit handlers and no destructors: they belong to the parent (its window, its files).
    _exit(0);
}

// Reads everything the child writes until it closes the pipe or the deadline passes; false when
// the deadline passed.
bool readAnswer(int fd, std::chrono::steady_clock::time_point deadline, std::string& out) {
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        out.append(buffer, std::size_t(n));
    }
}

int reap(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

int interpret(const std::string& answer, const std::string& path, std::string& reply) {
    std::size_t pos = 1;
    std::string a, b;
    switch (Kind(answer[0])) {
    case Kind::Status:
        if (answer.size() >= 1 + sizeof(std::int32_t)) {
            std::int32_t status = 0;
            std::memcpy(&status, answer.data() + 1, sizeof status);
            pos += sizeof status;
            if (takeText(answer, pos, reply) && pos == answer.size()) return status;
        }
        break;
    case Kind::File:
        if (takeText(answer, pos, a) && takeText(answer, pos, b)) throw FileError(a, b);
        break;
    case Kind::Conversion:
        if (takeText(answer, pos, a)) throw ConversionError(a);
        break;
    case Kind::Printer:
    case Kind::NoPrinter:
        if (takeText(answer, pos, a)) throw PrinterError(a, Kind(answer[0]) == Kind::NoPrinter);
        break;
    case Kind::Other:
        if (takeText(answer, pos, a)) throw std::runtime_error(a);
        break;
    }
    throw FileError(path, "The print helper gave an answer that cannot be read");
}

} // namespace

HelperSettings& helperSettings() {
    static HelperSettings settings;
    return settings;
}

int callEntryInHelper(LibraryLoader& loader, const std::string& path, const std::string& entryName,
                      const std::function<int(void* entry)>& call) {
    std::string reply;
    return callEntryInHelper(
        loader, path, entryName, [&call](DynamicLibrary&, void* entry, std::string&) { return call(entry); },
        reply);
}

int callEntryInHelper(LibraryLoader& loader, const std::string& path, const std::string& entryName,
                      const HelperCall& call, std::string& reply) {
    const HelperSettings& settings = helperSettings();
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        throw FileError(path, std::string("Cannot start the print helper (") + std::strerror(errno) + ")");
    const pid_t pid = settings.startChild ? settings.startChild() : ::fork();
    if (pid < 0) {
        const int error = errno;
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        throw FileError(path, std::string("Cannot start the print helper (") + std::strerror(error) + ")");
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        runChild(pipeFds[1], loader, path, entryName, call);
    }
    ::close(pipeFds[1]);
    std::string answer;
    const bool inTime = readAnswer(pipeFds[0], std::chrono::steady_clock::now() + settings.timeLimit, answer);
    ::close(pipeFds[0]);
    if (!inTime) ::kill(pid, SIGKILL);
    const int status = reap(pid);
    if (!inTime)
        throw FileError(path, "The print helper did not finish within " +
                                  std::to_string(settings.timeLimit.count()) + " ms and was stopped");
    if (WIFSIGNALED(status))
        throw FileError(path, "The print helper ended by signal " + std::to_string(WTERMSIG(status)));
    if (answer.empty()) throw FileError(path, "The print helper ended without an answer");
    return interpret(answer, path, reply);
}

} // namespace platform
