#pragma once

#include "content_folder.h"
#include "diagnostic.h"

#include <QList>
#include <QString>

namespace content {

// The scene selector's values: 0 to 9, each drawn with the same chance.
inline constexpr int selectorValues = 10;

// Scene numbers of normal play: one digit. Higher ones come only in long plays.
inline constexpr int lastNormalScene = 9;

// An event normal play can start, with the pictures the game shows when it starts.
struct ReachableEvent {
    QString name;
    QString picture; // empty when the event keeps the picture shown ("end")
    QString face;    // empty when no face is shown
};

// Every event reachable in normal play, in name order: the title's two, the ending, and every
// meeting and answer the scene selector leads to with scenes up to lastNormalScene.
const QList<ReachableEvent>& normalPlayEvents();

// An error for each such event without its script, and for each picture they need that is
// missing from dat2/.
QList<Diagnostic> checkReachability(const ContentFolder& folder);

} // namespace content
