#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>

namespace content {

// An event past normal play (a scene number above lastNormalScene) and in how many of the
// simulated stories it came up at least once.
struct LongPlayEvent {
    QString name;
    int stories = 0;
};

struct SimulationResult {
    int stories = 0;
    QList<LongPlayEvent> events; // in name order
};

// Plays the given number of stories by the game's rules, from the title to the ending, with
// answers picked at random: no pictures, no text, only the draws. Gives, for every event, in how
// many stories it came up at least once. The same seed gives the same result.
QHash<QString, int> sampleStories(int stories, std::uint32_t seed);

// The same for the events past normal play only.
SimulationResult simulateStories(int stories, std::uint32_t seed);

} // namespace content
