#pragma once

#include "host/random_source.h"

#include <vector>

// A random source that hands out the given values in turn, starting again after the last; 0 when
// given none. Tests script their draws with it; the authors' tool follows each draw a rule can
// make.
class ScriptedRandom : public host::RandomSource {
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
