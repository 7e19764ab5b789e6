#pragma once

#include <QHash>
#include <QString>

#include <cstdint>

namespace content {

// Stories played by the game's rules, from the title to the ending, with answers picked at
// random: no pictures, no text, only the draws. The same seed gives the same result.
struct SimulationResult {
    int stories = 0;
    QHash<QString, int> reached; // for every event, in how many stories it came up at least once
};

SimulationResult simulateStories(int stories, std::uint32_t seed);

} // namespace content
