#include "figures/rule_events.h"

#include "figures/story_parts.h"

namespace content {

namespace {

QMap<QString, ReachableEvent> findRuleEvents() {
    QMap<QString, ReachableEvent> events;
    for (const ReachableEvent& event : titleEvents()) {
        events.insert(event.name, event);
    }
    for (const StoryPart& part : storyParts()) {
        for (const ReachableEvent& event : part.events) {
            events.insert(event.name, event);
        }
    }
    return events;
}

QList<ReachableEvent> findNormalPlayEvents() {
    QList<ReachableEvent> events;
    for (const ReachableEvent& event : ruleEvents()) {
        if (event.inNormalPlay()) {
            events.append(event);
        }
    }
    return events;
}

} // namespace

bool endsWithoutChoice(const QString& event) {
    return event == story::creditsScene().event || event == story::endingEventName;
}

const QMap<QString, ReachableEvent>& ruleEvents() {
    static const QMap<QString, ReachableEvent> events = findRuleEvents();
    return events;
}

const QList<ReachableEvent>& normalPlayEvents() {
    static const QList<ReachableEvent> events = findNormalPlayEvents();
    return events;
}

} // namespace content
