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

// The column of the title's events, left of all scenes.
inline constexpr int openingColumn = -1;

// A character's scenes in scene order, each met after those before it.
struct MapRow {
    int character = 0;
    QList<MapBox> boxes;
};

// Where the map puts each event, as the story is told: the title's events first (the opening,
// then the credits), then a row for each character, and the scenes an answer draw leads to, the
// answer scenes and the ending. Long plays reach so many scenes of some characters that each
// such character's are one box.
struct MapPlan {
    QList<MapBox> opening;
    QList<MapRow> rows; // by character
    QList<MapBox> answers;
    QList<MapBox> closing; // the ending, in the first column of scenes
};

MapPlan planMap(const StoryFigures& figures);

} // namespace content
