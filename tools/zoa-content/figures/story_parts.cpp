#include "figures/story_parts.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <deque>
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

std::vector<Effect> effects(const StoryRules& rules, int s, const StoryState& from) {
    std::vector<Effect> effects;
    for (const StoryStep& step : rules.steps(s, from)) {
        Effect effect{step.event, {}, step.chance};
        for (int c = 0; c < components; ++c) {
            effect.moved[c] = valueOf(step.next, c) - valueOf(from, c);
        }
        effects.push_back(effect);
    }
    return effects;
}

// The components value s changes or depends on, as bits.
unsigned touchedComponents(const StoryRules& rules, int s, const std::vector<StoryState>& states) {
    unsigned touched = 0;
    for (const StoryState& state : states) {
        const std::vector<Effect> here = effects(rules, s, state);
        for (int c = 0; c < components; ++c) {
            StoryState raised = state;
            ++component(raised, c);
            const bool moves = std::any_of(here.begin(), here.end(),
                                           [c](const Effect& effect) { return effect.moved[c]; });
            if (moves || effects(rules, s, raised) != here) {
                touched |= 1u << c;
            }
        }
    }
    return touched;
}

// Values that touch a common component share a part, and so do values linked through others.
std::vector<std::vector<int>> valuesByComponents(const StoryRules& rules) {
    const std::vector<StoryState> states = probeStates();
    const int values = rules.selectorValues;
    std::vector<unsigned> touched(values);
    std::vector<int> partOf(values);
    std::iota(partOf.begin(), partOf.end(), 0);
    for (int s = 0; s < values; ++s) {
        touched[s] = touchedComponents(rules, s, states);
        for (int t = 0; t < s; ++t) {
            if ((touched[s] & touched[t]) != 0) {
                const int joined = partOf[s];
                std::replace(partOf.begin(), partOf.end(), joined, partOf[t]);
            }
        }
    }
    std::map<int, std::vector<int>> parts;
    for (int s = 0; s < values; ++s) {
        parts[partOf[s]].push_back(s);
    }
    std::vector<std::vector<int>> list;
    for (const auto& [name, part] : parts) {
        list.push_back(part);
    }
    return list;
}

// The events the values' answers can start in a story of any length (the counters stop at 255).
QHash<QString, ReachableEvent> partEvents(const StoryRules& rules, const std::vector<int>& values) {
    QHash<QString, ReachableEvent> events;
    QSet<StoryState> seen{StoryState{}};
    std::deque<StoryState> queue{StoryState{}};
    while (!queue.empty()) {
        const StoryState from = queue.front();
        queue.pop_front();
        for (const int s : values) {
            for (const StoryStep& step : rules.steps(s, from)) {
                if (!events.contains(step.event)) {
                    events.insert(step.event,
                                  answeredEvent(step.event, step.character, step.scene));
                }
                if (step.event != story::endingEventName && !seen.contains(step.next)) {
                    seen.insert(step.next);
                    queue.push_back(step.next);
                }
            }
        }
    }
    return events;
}

bool shareAnEvent(const StoryPart& a, const StoryPart& b) {
    return std::any_of(a.events.keyBegin(), a.events.keyEnd(),
                       [&b](const QString& event) { return b.events.contains(event); });
}

} // namespace

std::vector<StoryPart> findStoryParts(const StoryRules& rules) {
    std::vector<StoryPart> parts;
    for (std::vector<int>& values : valuesByComponents(rules)) {
        QHash<QString, ReachableEvent> events = partEvents(rules, values);
        parts.push_back({std::move(values), std::move(events)});
    }
    // Each part's figures count its own events: parts that can start the same event are one. Their
    // values touch separate components, so together they start what each of them starts.
    for (std::size_t i = 0; i < parts.size(); ++i) {
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            if (shareAnEvent(parts[i], parts[j])) {
                StoryPart& joined = parts[i];
                joined.values.insert(joined.values.end(), parts[j].values.begin(),
                                     parts[j].values.end());
                std::sort(joined.values.begin(), joined.values.end());
                joined.events.insert(parts[j].events);
                parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                j = i; // the joined part meets every later part again
            }
        }
    }
    return parts;
}

const std::vector<StoryPart>& storyParts() {
    static const std::vector<StoryPart> parts = findStoryParts(StoryRules());
    return parts;
}

} // namespace content
