#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "figures/simulation.h"
#include "figures/story_figures.h"

#include <QList>
#include <QString>

#include <optional>

namespace content {

// How a file the story reaches in the given share of stories is reported when it is missing: an
// error when at least one story in a thousand reaches it, a warning down to one in a million;
// none below, where it is left to the author's choice. The title's events are always errors.
std::optional<Severity> severityWhenMissing(const EventFigures& figure);

// A file an event needs that the game folder lacks, reported as its share deserves.
struct MissingFile {
    QString path;     // where the game looks for it
    QString role;     // "script", "picture" or "face picture"
    QString event;    // the event most stories reach of those that need it
    double share = 0; // of stories that reach that event
    Severity severity = Severity::Error;
};

// Every missing file that check reports: for each event the figures count, its script and the
// pictures it shows, each picture once. The story map draws the same.
QList<MissingFile> missingFiles(const ContentFolder& folder, const StoryFigures& figures);

// A finding for each missing file, naming the share of stories that reach it and, when stories
// were simulated as well, in how many of them its event came up; a missing script whose near
// namesake lies in dat1/ names it too.
QList<Diagnostic> checkMissingFiles(const ContentFolder& folder, const StoryFigures& figures,
                                    const SimulationResult* simulated = nullptr);

// A warning for each script in dat1/ of an event the game's rules never start, with the name of
// the event it may have been meant for.
QList<Diagnostic> checkUnplayedScripts(const ContentFolder& folder, const StoryFigures& figures);

} // namespace content
