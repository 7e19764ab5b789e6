#include "figures/story_parts.h"

#include "checks/reachability.h"
#include "figures/story_model.h"

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

namespace content {

namespace {

// The story state's components: the five counters, then the answer count.
constexpr int components = story::characterCount + 1;

std::uint8_t& component(StoryState& state, int index) {
    return index < story::characterCount ? state.counters[index] : state.answers;
}

int valueOf(const StoryState& state, int index) {
    return index < story::characterCount ? state.counters[index] : state.answers;
}

int largestProbed(int index) {
    return index < story::characterCount ? lastNormalScene + 1 : story::answersToEnding - 1;
}

// Where the values are tried: every state in which two components take values of normal play
// and the others stand at 0.
std::vector<StoryState> probeStates() {
    std::vector<StoryState> states;
    for (int first = 0; first < components; ++first) {
        for (int second = first + 1; second < components; ++second) {
            for (int a = 0; a <= largestProbed(first); ++a) {
                for (int b = 0; b <= largestProbed(second); ++b) {
                    StoryState state;
                    component(state, first) = static_cast<std::uint8_t>(a);
                    component(state, second) = static_cast<std::uint8_t>(b);
                    states.push_back(state);
                }
            }
        }
    }
    return states;
}

// What an answer does from a state when the selector holds s: the events it can start, how each
// moves the components, and their chances.
struct Effect {
    QString event;
    std::array<int, components> moved{};
    double chance = 0;
    bool operator==(const Effect&) const = default;
};

std::vector<Effect> effects(int s, const StoryState& from) {
    std::vector<Effect> effects;
    for (const StoryStep& step : storySteps(s, from)) {
        Effect effect{step.event, {}, step.chance};
        for (int c = 0; c < components; ++c) {
            effect.moved[c] = valueOf(step.next, c) - valueOf(from, c);
        }
        effects.push_back(effect);
    }
    return effects;
}

// The components value s changes or depends on, as bits.
unsigned touchedComponents(int s, const std::vector<StoryState>& states) {
    unsigned touched = 0;
    for (const StoryState& state : states) {
        const std::vector<Effect> here = effects(s, state);
        for (int c = 0; c < components; ++c) {
            StoryState raised = state;
            ++component(raised, c);
            const bool moves = std::any_of(here.begin(), here.end(),
                                           [c](const Effect& effect) { return effect.moved[c]; });
            if (moves || effects(s, raised) != here) {
                touched |= 1u << c;
            }
        }
    }
    return touched;
}

} // namespace

// Values that touch a common component share a part, and so do values linked through others.
std::vector<StoryPart> findStoryParts() {
    const std::vector<StoryState> states = probeStates();
    std::vector<unsigned> touched(selectorValues);
    std::vector<int> partOf(selectorValues);
    std::iota(partOf.begin(), partOf.end(), 0);
    for (int s = 0; s < selectorValues; ++s) {
        touched[s] = touchedComponents(s, states);
        for (int t = 0; t < s; ++t) {
            if ((touched[s] & touched[t]) != 0) {
                const int joined = partOf[s];
                std::replace(partOf.begin(), partOf.end(), joined, partOf[t]);
            }
        }
    }
    std::map<int, StoryPart> parts;
    for (int s = 0; s < selectorValues; ++s) {
        parts[partOf[s]].values.push_back(s);
    }
    std::vector<StoryPart> list;
    for (const auto& [name, part] : parts) {
        list.push_back(part);
    }
    return list;
}

const std::vector<StoryPart>& storyParts() {
    static const std::vector<StoryPart> parts = findStoryParts();
    return parts;
}

} // namespace content
