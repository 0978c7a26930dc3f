#include "platform/wake.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {

WakeSignal::WakeSignal() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

WakeSignal::~WakeSignal() {
    if (fd_ >= 0) ::close(fd_);
}

void WakeSignal::notify() const {
    if (fd_ < 0) return;
    const std::uint64_t one = 1;
    // Fails only when the counter is full, and then the descriptor is readable already.
    [[maybe_unused]] const ssize_t n = ::write(fd_, &one, sizeof one);
    notified_.store(true, std::memory_order_release); // after the write: clear() then finds it
}

void WakeSignal::clear() const {
    if (fd_ < 0 || !notified_.exchange(false, std::memory_order_acquire)) return;
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(fd_, &count, sizeof count);
}

} // namespace platform
