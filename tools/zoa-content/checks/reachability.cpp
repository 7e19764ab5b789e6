#include "checks/reachability.h"

#include "story/scene_selector.h"

#include <QFileInfo>
#include <QMap>

#include <array>
#include <deque>
#include <vector>

namespace content {

namespace {

// Counters beyond this only lead to scenes past normal play, so the search stops there.
constexpr int counterBound = lastNormalScene + 1;

bool withinBound(const story::Counters& counters) {
    for (const std::uint8_t counter : counters) {
        if (counter > counterBound) {
            return false;
        }
    }
    return true;
}

std::size_t stateIndex(const story::Counters& counters) {
    std::size_t index = 0;
    for (const std::uint8_t counter : counters) {
        index = index * (counterBound + 1) + counter;
    }
    return index;
}

std::size_t stateCount() {
    std::size_t count = 1;
    for (int i = 0; i < story::characterCount; ++i) {
        count *= counterBound + 1;
    }
    return count;
}

// The scene draws of normal play, marked in a table by character (0 to noCharacter) and scene.
class DrawTable {
public:
    void mark(const story::SceneDraw& draw) {
        if (draw.character >= 0 && draw.character <= story::noCharacter && draw.scene >= 0 &&
            draw.scene <= lastNormalScene) {
            marks_[index(draw.character, draw.scene)] = true;
        }
    }
    QList<story::SceneDraw> draws() const {
        QList<story::SceneDraw> draws;
        for (int character = 0; character <= story::noCharacter; ++character) {
            for (int scene = 0; scene <= lastNormalScene; ++scene) {
                if (marks_[index(character, scene)]) {
                    draws.append({character, scene});
                }
            }
        }
        return draws;
    }

private:
    static std::size_t index(int character, int scene) {
        return static_cast<std::size_t>(character * (lastNormalScene + 1) + scene);
    }
    std::array<bool, (story::noCharacter + 1) * (lastNormalScene + 1)> marks_{};
};

// Breadth-first search over the counters from a story's start, through every selector value and
// random draw, keeping to plays whose scenes stay within normal play.
QList<story::SceneDraw> normalPlayDraws() {
    DrawTable table;
    std::vector<bool> seen(stateCount(), false);
    std::deque<story::Counters> queue{story::Counters{}};
    seen[stateIndex(queue.front())] = true;
    while (!queue.empty()) {
        const story::Counters from = queue.front();
        queue.pop_front();
        for (int s = 0; s < selectorValues; ++s) {
            for (const SelectorOutcome& outcome : selectorOutcomes(s, from)) {
                if (outcome.draw.scene > lastNormalScene) {
                    continue;
                }
                table.mark(outcome.draw);
                const story::Counters& to = outcome.counters;
                if (withinBound(to) && !seen[stateIndex(to)]) {
                    seen[stateIndex(to)] = true;
                    queue.push_back(to);
                }
            }
        }
    }
    return table.draws();
}

QList<ReachableEvent> findNormalPlayEvents() {
    QMap<QString, ReachableEvent> events;
    auto add = [&events](const ReachableEvent& event) { events.insert(event.name, event); };
    for (const ReachableEvent& event : titleEvents()) {
        add(event);
    }
    add(answeredEvent(story::endingEventName, story::noCharacter));
    for (const story::SceneDraw& draw : normalPlayDraws()) {
        if (draw.character != story::noCharacter) {
            add(answeredEvent(story::characterEventName(draw.character, draw.scene),
                              draw.character));
            continue;
        }
        for (const QString& key : {QStringLiteral("a"), QStringLiteral("b")}) {
            add(answeredEvent(story::answerEventName(key, draw.scene), story::noCharacter));
        }
    }
    return events.values();
}

Diagnostic missing(const QString& file, const QString& message) {
    return {file, 0, 0, message, Severity::Error};
}

} // namespace

const QList<ReachableEvent>& normalPlayEvents() {
    static const QList<ReachableEvent> events = findNormalPlayEvents();
    return events;
}

QList<Diagnostic> checkReachability(const ContentFolder& folder) {
    QList<Diagnostic> diagnostics;
    QMap<QString, QString> pictures; // each picture and the first event that shows it
    QMap<QString, QString> faces;
    for (const ReachableEvent& event : normalPlayEvents()) {
        if (!QFileInfo(folder.script(event.name)).isFile()) {
            diagnostics.append(missing(folder.script(event.name),
                                       QStringLiteral("missing script for event \"%1\", reached "
                                                      "in normal play")
                                           .arg(event.name)));
        }
        if (!event.picture.isEmpty() && !pictures.contains(event.picture)) {
            pictures.insert(event.picture, event.name);
        }
        if (!event.face.isEmpty() && !faces.contains(event.face)) {
            faces.insert(event.face, event.name);
        }
    }
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing picture \"%1\", shown when event "
                                                      "\"%2\" starts")
                                           .arg(it.key(), it.value())));
        }
    }
    for (auto it = faces.cbegin(); it != faces.cend(); ++it) {
        if (!QFileInfo(folder.picture(it.key())).isFile()) {
            diagnostics.append(missing(folder.picture(it.key()),
                                       QStringLiteral("missing face picture \"%1\", shown with "
                                                      "event \"%2\"")
                                           .arg(it.key(), it.value())));
        }
    }
    return diagnostics;
}

} // namespace content
