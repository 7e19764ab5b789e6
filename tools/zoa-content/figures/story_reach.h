#pragma once

#include "figures/story_model.h"

#include <QString>

#include <optional>

namespace content {

// The story state right after an answer has started the event, as the fewest answers reach it
// by the game's rules: the counters and the answer count a story has when the event starts.
// The title's events start from a new story; none for an event the rules never start.
std::optional<StoryState> stateReaching(const QString& event);

} // namespace content
