#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "figures/simulation.h"
#include "figures/story_figures.h"

#include <QList>

namespace content {

// Events past normal play that fewer stories reach are left to the author's choice.
inline constexpr double longPlayShareReported = 1e-6;

// True for an event past normal play that enough stories reach for its missing script to be
// reported.
bool reportedWhenMissing(const EventFigures& figure);

// A warning for each event past normal play whose script is missing and that at least one story
// in a million reaches, with the share of stories that reach it and, when stories were
// simulated as well, in how many of them it came up.
QList<Diagnostic> checkLongPlays(const ContentFolder& folder, const StoryFigures& figures,
                                 const SimulationResult* simulated = nullptr);

} // namespace content
