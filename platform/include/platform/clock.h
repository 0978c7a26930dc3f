#pragma once
// The system tick count, behind an interface so that tests can drive time.
#include <cstdint>
#include <ctime>
#include <string>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start, wrapping like a 32-bit tick count.
    virtual std::uint32_t ticks() const = 0;
    // Wall-clock time, for dates in the results log and on worksheets.
    virtual std::time_t now() const = 0;
};

class RealClock final : public Clock {
public:
    std::uint32_t ticks() const override;
    std::time_t now() const override;
};

// Time stands still until a test advances it.
class FakeClock final : public Clock {
public:
    std::uint32_t ticks() const override { return ticks_; }
    std::time_t now() const override { return now_; }
    void advance(std::uint32_t ms) { ticks_ += ms; }
    void setNow(std::time_t t) { now_ = t; }

private:
    std::uint32_t ticks_ = 1000;
    std::time_t now_ = 0;
};

// The user's short date and long time formats. In the C/POSIX locale (and wherever the locale
// gives no usable format) the Slovak conventions d.M.yyyy and H:mm:ss are used.
std::string shortDate(std::time_t t);
std::string longTime(std::time_t t);

} // namespace platform
