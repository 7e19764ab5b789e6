#pragma once

#include "figures/story_figures.h"

#include <QList>
#include <QString>

namespace content {

// A box on the story map: one event, or a character's long-play scenes taken together.
struct MapBox {
    QList<EventFigures> events; // one, or the long-play scenes in scene order
    int column = 0; // the scene number; one past the normal scenes for long plays; see below

    // The event's name, or "first … last" for long plays.
    QString name() const;
    // Of stories that reach the box: a character's scenes come in order, so those that reach
    // a later scene have reached the first.
    double share() const { return events.constFirst().share; }
};

// The columns of the opening, left of all scenes, and of the ending and the credits, right of them.
inline constexpr int openingColumn = -1;
inline constexpr int closingColumn = lastNormalScene + 2;

// A character's scenes in scene order, each met after those before it.
struct MapRow {
    int character = 0;
    QList<MapBox> boxes;
};

// Where the map puts each event, as the story is told: the opening first, then a row for each
// character and the answer scenes beside them, the ending and the credits last. Long plays
// reach so many scenes of some characters that each such character's are one box.
struct MapPlan {
    QList<MapBox> opening;
    QList<MapRow> rows; // by character
    QList<MapBox> answers;
    QList<MapBox> closing; // the ending, then the credits
};

MapPlan planMap(const StoryFigures& figures);

} // namespace content
