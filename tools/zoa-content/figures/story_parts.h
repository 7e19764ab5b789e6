#pragma once

#include <vector>

namespace content {

// A set of selector values that change or depend on parts of the story state that no other value
// touches, so that the run of their answers through a story does not depend on when the other
// values come.
struct StoryPart {
    std::vector<int> values; // ascending
};

// The parts of the game's selector table, in the order of their smallest value: found by trying
// each value on states of normal play.
std::vector<StoryPart> findStoryParts();

// The same, found once.
const std::vector<StoryPart>& storyParts();

} // namespace content
