#include "sound.h"

#include <platform/errors.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace assets {

namespace {

std::int16_t toSample(double v) {
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
}

} // namespace

std::vector<std::int16_t> enterSound() {
    // 70 ms: a sine gliding up a fifth, with a quick rise and a smooth fall
    const int n = soundRate * 70 / 1000;
    std::vector<std::int16_t> out(n);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / soundRate;
        const double progress = double(i) / n;
        const double freq = 660 + 330 * progress;
        phase += 2 * std::numbers::pi * freq / soundRate;
        const double attack = std::min(1.0, t / 0.006);
        const double release = std::pow(1 - progress, 2.0);
        const double v = std::sin(phase) + 0.18 * std::sin(2 * phase);
        out[i] = toSample(0.32 * attack * release * v);
    }
    return out;
}

std::vector<std::int16_t> clickSound() {
    // 30 ms: a tick of filtered noise over a fast-fading high tone
    const int n = soundRate * 30 / 1000;
    std::vector<std::int16_t> out(n);
    unsigned seed = 12345;
    double prev = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / soundRate;
        seed = seed * 1103515245u + 12345u;
        const double noise = ((seed >> 16) & 0x7FFF) / 16383.5 - 1.0;
        const double bright = noise - prev; // a first difference keeps the crisp part
        prev = noise;
        const double tick = bright * std::exp(-t / 0.0015);
        const double tone = std::sin(2 * std::numbers::pi * 1900 * t) * std::exp(-t / 0.006);
        const double body = std::sin(2 * std::numbers::pi * 950 * t) * std::exp(-t / 0.009);
        const double fadeOut = std::min(1.0, (n - i) / (soundRate * 0.004));
        out[i] = toSample((0.25 * tick + 0.45 * tone + 0.25 * body) * fadeOut);
    }
    return out;
}

std::vector<std::int16_t> finishSound() {
    // 480 ms: three bell-like notes rising through a major triad (C6, E6, G6), each struck 110 ms
    // after the one before and left to ring out, the last one longest
    constexpr double notes[] = {1046.5, 1318.5, 1568.0};
    constexpr double strike = 0.11;
    const int n = soundRate * 480 / 1000;
    std::vector<std::int16_t> out(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / soundRate;
        double v = 0;
        for (int k = 0; k < 3; ++k) {
            const double local = t - k * strike;
            if (local < 0) continue;
            const double attack = std::min(1.0, local / 0.004);
            const double decay = std::exp(-local / (k == 2 ? 0.12 : 0.07));
            const double w = 2 * std::numbers::pi * notes[k] * local;
            v += attack * decay * (std::sin(w) + 0.3 * std::sin(2 * w) + 0.08 * std::sin(3 * w));
        }
        const double fadeOut = std::min(1.0, (n - i) / (soundRate * 0.01));
        out[i] = toSample(0.28 * v * fadeOut);
    }
    return out;
}

void writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw platform::FileError(path.string(), "cannot create sound");
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](std::uint16_t v) {
        f.put(static_cast<char>(v & 0xFF));
        f.put(static_cast<char>(v >> 8));
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    u32(36 + dataBytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate * 2));
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(dataBytes);
    for (auto s : samples)
        u16(static_cast<std::uint16_t>(s));
    if (!f) throw platform::FileError(path.string(), "cannot write sound");
}

} // namespace assets
