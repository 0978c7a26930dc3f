#pragma once
// The random numbers of a draw. A draw begins by seeding its generator; the program seeds from the
// clock, tests inject a generator whose numbers they know.
#include <cstdint>
#include <random>

namespace framework {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called at the start of every draw.
    virtual void reseed() = 0;
    // A uniform integer in 0 .. n - 1 (n > 0).
    virtual int below(int n) = 0;
};

// Seeded anew from the system clock at every draw, so each run is a new sequence.
class ClockSeededRandom final : public RandomSource {
public:
    void reseed() override;
    int below(int n) override;

private:
    std::mt19937 engine_;
};

// A fixed seed given once; reseeding keeps the sequence going, so successive draws differ but are
// the same from one test run to the next.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void reseed() override {}
    int below(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937 engine_;
};

} // namespace framework
