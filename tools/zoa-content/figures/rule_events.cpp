#include "figures/rule_events.h"

#include <QSet>

#include <deque>

namespace content {

namespace {

QMap<QString, ReachableEvent> findRuleEvents() {
    QMap<QString, ReachableEvent> events;
    for (const ReachableEvent& event : titleEvents()) {
        events.insert(event.name, event);
    }
    for (const StoryPart& part : storyParts()) {
        const QHash<QString, int> found = partEvents(part);
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            events.insert(it.key(), answeredEvent(it.key(), it.value()));
        }
    }
    return events;
}

} // namespace

QHash<QString, int> partEvents(const StoryPart& part) {
    QHash<QString, int> events;
    QSet<StoryState> seen{StoryState{}};
    std::deque<StoryState> queue{StoryState{}};
    while (!queue.empty()) {
        const StoryState from = queue.front();
        queue.pop_front();
        for (const int s : part.values) {
            for (const StoryStep& step : storySteps(s, from)) {
                events.insert(step.event, step.character);
                if (step.event != story::endingEventName && !seen.contains(step.next)) {
                    seen.insert(step.next);
                    queue.push_back(step.next);
                }
            }
        }
    }
    return events;
}

const QMap<QString, ReachableEvent>& ruleEvents() {
    static const QMap<QString, ReachableEvent> events = findRuleEvents();
    return events;
}

} // namespace content
