#pragma once
// A wake-up another thread gives a thread that sleeps in poll(): a file descriptor that becomes
// readable when notified and stays so until cleared.
#include <atomic>

namespace platform {

class WakeSignal {
public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;
    // Safe from any thread, also from a signal handler.
    void notify() const;
    // Takes back every notification given so far; the descriptor is no longer readable.
    void clear() const;
    // -1 when the system gave no descriptor (then nothing can wait on it).
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    // Set after each write, so that clear() reads the descriptor only when there is something to
    // take (it is called on every round of the message loop).
    mutable std::atomic<bool> notified_{false};
};

} // namespace platform
