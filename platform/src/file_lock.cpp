#include "platform/file_lock.h"

#include "platform/errors.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>

namespace platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

struct flock lockRange(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = kLockOffset;
    range.l_len = 1;
    return range;
}

// One non-blocking attempt: 0 when locked, otherwise the errno. Open file description locks
// first; a kernel without them (EINVAL) gets the classic per-process lock.
int tryLock(int fd, short type) {
    struct flock range = lockRange(type);
    if (::fcntl(fd, F_OFD_SETLK, &range) == 0) return 0;
    if (errno != EINVAL) return errno;
    range = lockRange(type);
    return ::fcntl(fd, F_SETLK, &range) == 0 ? 0 : errno;
}

bool isConflict(int error) {
    return error == EAGAIN || error == EACCES || error == EINTR;
}

bool isUnsupported(int error) {
    return error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

} // namespace

LockOutcome lockFile(int fd, const char* path, std::chrono::milliseconds timeout) {
    const SteadyClock::time_point start = SteadyClock::now();
    const SteadyClock::time_point deadline = start + timeout;
    // Waits between attempts grow from 1 ms to 32 ms, with a random part so that waiting copies
    // do not retry in step. The system's blocking wait (F_OFD_SETLKW) has no time limit, so the
    // bounded wait is made of attempts.
    thread_local std::minstd_rand random(static_cast<unsigned>(::getpid()) ^
                                         static_cast<unsigned>(start.time_since_epoch().count()));
    std::chrono::microseconds pause{1000};
    LockOutcome outcome;
    for (;;) {
        const int error = tryLock(fd, F_WRLCK);
        const SteadyClock::time_point now = SteadyClock::now();
        outcome.waited = std::chrono::duration_cast<std::chrono::microseconds>(now - start);
        if (error == 0) {
            outcome.locked = true;
            return outcome;
        }
        if (isUnsupported(error)) {
            static std::atomic<bool> told{false};
            if (!told.exchange(true))
                std::fprintf(stderr, "brevion: the file system keeps no locks (%s): %s\n",
                             std::strerror(error), path);
            outcome.locked = true;
            outcome.unsupported = true;
            return outcome;
        }
        if (!isConflict(error))
            throw FileError(path, std::string("Cannot lock (") + std::strerror(error) + ")", error);
        if (now >= deadline) return outcome;
        const auto jitter = std::chrono::microseconds(random() % static_cast<unsigned>(pause.count()));
        std::this_thread::sleep_for(std::min<SteadyClock::duration>(pause / 2 + jitter, deadline - now));
        pause = std::min(pause * 2, std::chrono::microseconds{32000});
    }
}

void unlockFile(int fd) {
    struct flock range = lockRange(F_UNLCK);
    if (::fcntl(fd, F_OFD_SETLK, &range) != 0 && errno == EINVAL) {
        range = lockRange(F_UNLCK);
        ::fcntl(fd, F_SETLK, &range);
    }
}

} // namespace platform
