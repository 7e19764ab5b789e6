#pragma once

#include "figures/story_model.h"
#include "figures/story_parts.h"

#include <QHash>
#include <QMap>
#include <QString>

namespace content {

// The events a part's answers can lead to in a story of any length (the counters stop at 255),
// each with the character it meets or story::noCharacter.
QHash<QString, int> partEvents(const StoryPart& part);

// Every event the game's rules can start, by name: the title's and every event an answer can
// lead to in any story.
const QMap<QString, ReachableEvent>& ruleEvents();

} // namespace content
