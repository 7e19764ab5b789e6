#include "scripted-random/scripted_random.h"

float ScriptedRandom::next() {
    if (values_.empty()) {
        return 0.0f;
    }
    return values_[draws_++ % values_.size()];
}

void ScriptedRandom::setValues(std::vector<float> values) {
    values_ = std::move(values);
    draws_ = 0;
}
