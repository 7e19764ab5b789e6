#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace platform {

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

// Hands out the given values in turn, starting again after the last; 0 when given none.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values = {})
        : values_(std::move(values)) {}
    void seedFromClock() override {}
    float next() override;
    void setValues(std::vector<float> values);
    std::size_t drawsMade() const { return draws_; }

private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
};

// Int(r * count) for a draw r in [0, 1), computed in single precision: 0 to count - 1.
int uniformIndex(float r, int count);

// Turns 24 random bits into a float in [0, 1); every such value is exact, so 1 never occurs.
float unitFloatFromBits(std::uint32_t bits);

} // namespace platform
