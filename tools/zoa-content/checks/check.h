#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace media {
class MediaService;
}

namespace content {

class GameWindows;
class StoryContent;
struct StoryFigures;

struct CheckOptions {
    // The game's window, laid out for the screens checked: without it, no check measures text
    // or pictures.
    const GameWindows* windows = nullptr;
    int plays = 0;          // stories simulated to cross-check the long-play findings
    std::uint32_t seed = 1; // the simulation's seed: the same seed gives the same findings
};

// Runs every check over the game folder: reachability in normal play, long plays, each script,
// the pictures, and the sounds as the media service opens them (not without one). The findings
// come sorted by file, then line.
QList<Diagnostic> checkContent(const ContentFolder& folder, const CheckOptions& options,
                               media::MediaService* sounds);

// The findings of the content's last pack, then those of checking its game folder, each naming
// the author's file. A content whose pack failed is not checked further.
QList<Diagnostic> checkStory(const StoryContent& content, const CheckOptions& options,
                             media::MediaService* sounds);

// Orders findings by file, then line, keeping the order of findings at the same place.
void sortDiagnostics(QList<Diagnostic>& diagnostics);

struct SeverityCounts {
    int errors = 0;
    int warnings = 0;
    int notes = 0;
};

SeverityCounts countSeverities(const QList<Diagnostic>& diagnostics);

// "zoa-content check: the ending comes after 20.00 answers on average (half the stories by 19,
// ...)"
QString storyLengthLine(const StoryFigures& figures);

// "zoa-content check: 2 errors, 1 warning, 0 notes"
QString summaryLine(const SeverityCounts& counts);

} // namespace content
