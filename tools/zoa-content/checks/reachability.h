#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "figures/story_model.h"

#include <QList>
#include <QString>

namespace content {

// Scene numbers of normal play: one digit. Higher ones come only in long plays.
inline constexpr int lastNormalScene = 9;

// Every event reachable in normal play, in name order: the title's two, the ending, and every
// meeting and answer the scene selector leads to with scenes up to lastNormalScene.
const QList<ReachableEvent>& normalPlayEvents();

// An error for each such event without its script, and for each picture they need that is
// missing from dat2/.
QList<Diagnostic> checkReachability(const ContentFolder& folder);

} // namespace content
