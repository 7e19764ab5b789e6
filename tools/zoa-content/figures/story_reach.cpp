#include "figures/story_reach.h"

#include "figures/rule_events.h"
#include "figures/story_parts.h"

#include <QSet>

#include <deque>

namespace content {

namespace {

// Long plays reach a character's later scenes one meeting at a time: a part's states are few.
constexpr qsizetype largestSearch = 100000;

const StoryPart* partOf(const QString& event) {
    for (const StoryPart& part : storyParts()) {
        if (part.events.contains(event)) {
            return &part;
        }
    }
    return nullptr;
}

} // namespace

std::optional<StoryState> stateReaching(const QString& event) {
    if (!ruleEvents().contains(event)) {
        return std::nullopt;
    }
    const StoryPart* part = partOf(event);
    if (part == nullptr) {
        return StoryState{};
    }
    // The part's values move only its own components: its states, searched answer by answer.
    std::deque<StoryState> waiting{StoryState{}};
    QSet<StoryState> seen{StoryState{}};
    while (!waiting.empty() && seen.size() < largestSearch) {
        const StoryState state = waiting.front();
        waiting.pop_front();
        for (const int s : part->values) {
            for (const StoryStep& step : storySteps(s, state)) {
                if (step.event == event) {
                    return step.next;
                }
                if (!seen.contains(step.next)) {
                    seen.insert(step.next);
                    waiting.push_back(step.next);
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace content
