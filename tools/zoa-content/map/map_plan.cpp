#include "map/map_plan.h"

#include <QMap>

namespace content {

namespace {

MapBox single(const EventFigures& event) {
    return {{event}, event.event.scene};
}

// The character's scenes by scene number; those of long plays go into one box at the end.
MapRow rowOf(int character, const QList<EventFigures>& scenes) {
    QMap<int, EventFigures> byScene;
    for (const EventFigures& scene : scenes) {
        byScene.insert(scene.event.scene, scene);
    }
    MapRow row{character, {}};
    MapBox longPlays{{}, lastNormalScene + 1};
    for (const EventFigures& scene : byScene) {
        if (scene.event.inNormalPlay()) {
            row.boxes.append(single(scene));
        } else {
            longPlays.events.append(scene);
        }
    }
    if (!longPlays.events.isEmpty()) {
        row.boxes.append(longPlays);
    }
    return row;
}

} // namespace

QString MapBox::name() const {
    const QString first = events.constFirst().event.name;
    return events.size() == 1 ? first
                              : first + QStringLiteral(" … ") + events.constLast().event.name;
}

MapPlan planMap(const StoryFigures& figures) {
    MapPlan plan;
    QMap<int, QList<EventFigures>> scenesOf;
    const QString opening = story::openingScene().event;
    const QString credits = story::creditsScene().event;
    for (const EventFigures& event : figures.events) {
        const QString& name = event.event.name;
        if (name == opening) {
            plan.opening.prepend({{event}, openingColumn});
        } else if (name == credits) {
            plan.opening.append({{event}, openingColumn});
        } else if (name == story::endingEventName) {
            plan.closing.append({{event}, 0});
        } else if (event.event.character != story::noCharacter) {
            scenesOf[event.event.character].append(event);
        } else {
            plan.answers.append(single(event));
        }
    }
    for (auto it = scenesOf.cbegin(); it != scenesOf.cend(); ++it) {
        plan.rows.append(rowOf(it.key(), it.value()));
    }
    return plan;
}

} // namespace content
