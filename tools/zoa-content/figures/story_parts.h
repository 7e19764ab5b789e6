#pragma once

#include "figures/story_model.h"

#include <QHash>
#include <QString>

#include <vector>

namespace content {

// A set of selector values that change or depend on parts of the story state that no other value
// touches, so that the run of their answers through a story does not depend on when the other
// values come; and no event of theirs comes from another part's values.
struct StoryPart {
    std::vector<int> values;               // ascending
    QHash<QString, ReachableEvent> events; // every event their answers can start, in any story
};

// The parts of the rules' selector table, in the order of their smallest value: found by trying
// each value on states of normal play.
std::vector<StoryPart> findStoryParts(const StoryRules& rules);

// The parts of the game's own rules, found once.
const std::vector<StoryPart>& storyParts();

} // namespace content
