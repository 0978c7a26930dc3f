#include "framework/Random.h"

#include <chrono>

namespace framework {

void ClockSeededRandom::reseed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(
        static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

int ClockSeededRandom::below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

} // namespace framework
