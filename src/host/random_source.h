#pragma once

#include <cstdint>
#include <random>

namespace host {

// Uniform single-precision numbers r with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

class ClockRandom : public RandomSource {
public:
    ClockRandom();
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

// A repeatable sequence: the same seed gives the same numbers, made as ClockRandom makes them.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint32_t seed)
        : engine_(seed) {}
    // Keeps the sequence: a seeded source is asked for repeatable numbers.
    void seedFromClock() override {}
    float next() override;

private:
    std::mt19937 engine_;
};

// Int(r * count) for a draw r in [0, 1), computed in single precision: 0 to count - 1.
int uniformIndex(float r, int count);

// Turns 24 random bits into a float in [0, 1); every such value is exact, so 1 never occurs.
float unitFloatFromBits(std::uint32_t bits);

} // namespace host
