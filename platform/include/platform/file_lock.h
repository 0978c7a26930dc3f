#pragma once
// Exclusive locks on shared files that every copy of the program, on this machine or on another
// one sharing the folder over NFS or SMB, honours: the system's byte-range locks (fcntl), which
// network file systems pass on to the file server.
#include <chrono>

namespace platform {

// Byte 1 GiB of the file: beyond any data the program writes, so that a server which makes
// byte-range locks mandatory (Windows shares) never blocks reading or appending the data itself.
constexpr long long kLockOffset = 0x40000000LL;

struct LockOutcome {
    bool locked = false;                // false: the wait ran out
    std::chrono::microseconds waited{}; // time spent waiting for it
    // The file system keeps no locks (an NFSv3 mount without its lock daemon answers ENOLCK):
    // `locked` is then true without a lock, so that results are still written, and the case is
    // reported once on standard error for the administrator.
    bool unsupported = false;
};

// Takes the exclusive lock of the open file `fd` (opened for writing), waiting at most `timeout`.
// The lock belongs to the open file (open file description), so it holds until `fd` is closed
// or unlockFile() is called, whatever else the process opens and closes. Throws FileError (with
// `path` and errno) when the system refuses the lock for another reason than a conflict.
LockOutcome lockFile(int fd, const char* path, std::chrono::milliseconds timeout);
void unlockFile(int fd);

// How long a save waits for a lock held by another copy before the pupil is told.
constexpr std::chrono::milliseconds kDefaultLockTimeout{5000};

} // namespace platform
