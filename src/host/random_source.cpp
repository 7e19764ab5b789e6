#include "host/random_source.h"

#include <algorithm>
#include <chrono>

namespace host {

float unitFloatFromBits(std::uint32_t bits) {
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(bits >> 8) * scale;
}

int uniformIndex(float r, int count) {
    const int index = static_cast<int>(r * static_cast<float>(count));
    return std::clamp(index, 0, count - 1); // guards against a source that breaks its range
}

ClockRandom::ClockRandom() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float ClockRandom::next() {
    return unitFloatFromBits(engine_());
}

float SeededRandom::next() {
    return unitFloatFromBits(engine_());
}

} // namespace host
