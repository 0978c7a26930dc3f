#include "platform/single_instance.h"

#include "platform/errors.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

constexpr char kRequest[] = "forward\n";
constexpr char kReply[] = "ok\n";
constexpr int kReplyTimeoutMs = 2000;

std::string systemError(const std::string& what) {
    return what + " (" + std::strerror(errno) + ")";
}

// File names made of the title: letters, digits, '.', '-', '_' only, of a length that fits a
// socket address.
std::string sanitised(const std::string& title) {
    std::string name;
    for (unsigned char c : title)
        name += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                        c == '-' || c == '_'
                    ? char(c)
                    : '_';
    if (name.empty() || name[0] == '.') name.insert(name.begin(), '_');
    return name.substr(0, 40);
}

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

bool socketAddress(const std::string& path, sockaddr_un& addr) {
    addr = {};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Reads until `expected` arrived or the time-out passed.
bool receive(int fd, std::string_view expected) {
    std::string got;
    while (got.size() < expected.size()) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, kReplyTimeoutMs) <= 0) return false;
        char buffer[16];
        ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, expected.size() - got.size()));
        if (n <= 0) return false;
        got.append(buffer, static_cast<std::size_t>(n));
    }
    return got == expected;
}

bool send(int fd, std::string_view text) {
    return ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(text.size());
}

class UnixSingleInstance final : public SingleInstance {
public:
    explicit UnixSingleInstance(std::string dir) : dir_(std::move(dir)) {}

    ~UnixSingleInstance() override {
        if (listener_.joinable()) {
            char stop = 1;
            if (::write(stopPipe_[1], &stop, 1) < 0) std::perror("single instance");
            listener_.join();
        }
        for (int fd : stopPipe_)
            if (fd >= 0) ::close(fd);
        if (server_.get() >= 0) ::unlink(socketPath_.c_str());
    }

    bool acquire(const std::string& title) override {
        std::string base = dir_ + '/' + sanitised(title);
        socketPath_ = base + ".sock";
        lock_.reset(::open((base + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        if (lock_.get() < 0) throw FileError(base + ".lock", systemError("Cannot open the lock file"));
        if (::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK) throw FileError(base + ".lock", systemError("Cannot lock"));
            lock_.reset();
            return false;
        }
        // Holding the lock, any socket already there was left by a copy that crashed.
        sockaddr_un addr;
        if (!socketAddress(socketPath_, addr)) throw FileError(socketPath_, "Socket path too long");
        ::unlink(socketPath_.c_str());
        server_.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        if (server_.get() < 0 ||
            ::bind(server_.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(server_.get(), 8) != 0)
            throw FileError(socketPath_, systemError("Cannot listen"));
        return true;
    }

    bool askRunningCopyForward() override {
        sockaddr_un addr;
        if (socketPath_.empty() || !socketAddress(socketPath_, addr)) return false;
        // The running copy may be between taking the lock and opening its socket: try a few times.
        for (int attempt = 0; attempt < 10; ++attempt) {
            Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
            if (fd.get() < 0) return false;
            if (::connect(fd.get(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
                return send(fd.get(), kRequest) && receive(fd.get(), kReply);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    void listen(std::function<void()> onRequest) override {
        if (server_.get() < 0 || listener_.joinable()) return;
        if (::pipe2(stopPipe_, O_CLOEXEC) != 0) throw FileError(socketPath_, systemError("Cannot listen"));
        listener_ = std::thread([this, onRequest = std::move(onRequest)] { serve(onRequest); });
    }

private:
    void serve(const std::function<void()>& onRequest) {
        for (;;) {
            pollfd fds[2] = {{server_.get(), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0) {
                if (errno == EINTR) continue;
                return;
            }
            if (fds[1].revents) return;
            Fd client(::accept4(server_.get(), nullptr, nullptr, SOCK_CLOEXEC));
            if (client.get() < 0) continue;
            if (!receive(client.get(), kRequest)) continue;
            onRequest();
            send(client.get(), kReply);
        }
    }

    std::string dir_;
    std::string socketPath_;
    Fd lock_;
    Fd server_;
    int stopPipe_[2] = {-1, -1};
    std::thread listener_;
};

} // namespace

std::string runtimeDirectory() {
    // Only a folder that is there and can take the lock file; a session that set the variable
    // without making the folder gets the private folder below.
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && dir[0] == '/') {
        struct stat st {};
        if (::stat(dir, &st) == 0 && S_ISDIR(st.st_mode) && ::access(dir, W_OK | X_OK) == 0) return dir;
    }
    // A folder of the user's own in /tmp; never one that someone else created or can enter.
    std::string dir = "/tmp/brevion-runtime-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        throw FileError(dir, systemError("Cannot create the runtime directory"));
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        throw FileError(dir, "The runtime directory is not a private folder of this user");
    return dir;
}

std::unique_ptr<SingleInstance> makeSingleInstance(const std::string& runtimeDir) {
    return std::make_unique<UnixSingleInstance>(runtimeDir);
}

} // namespace platform
