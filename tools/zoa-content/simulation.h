#pragma once

#include "content_folder.h"
#include "diagnostic.h"

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
// answers picked at random: no pictures, no text, only the draws. The same seed gives the same
// result.
SimulationResult simulateStories(int stories, std::uint32_t seed);

// A warning for each event of the simulation whose script is missing, telling how often it came
// up.
QList<Diagnostic> checkLongPlays(const ContentFolder& folder, const SimulationResult& result);

} // namespace content
