#pragma once

#include "checks/diagnostic.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QString>

namespace content {

struct PackResult {
    QList<Diagnostic> diagnostics;    // without errors when the output was written
    QHash<QString, QString> sourceOf; // each file of the output, by its path in it, and its source
};

// A game folder holds dat1/; any other folder is a story's sources.
bool isGameFolder(const QString& folder);

// What a file among a story's sources is to the pack.
enum class SourceKind { Script, Picture, Description, Sound, Skipped, Unknown };

// README files, hidden files and editor leftovers are skipped; a script is "*.txt", a picture's
// description "*.description", a sound WAV, Ogg Vorbis or FLAC, a picture any format Qt reads;
// anything else is unknown.
SourceKind kindOf(const QFileInfo& file);

// Packs a whole sources folder, its subfolders included, into the game folder: each script
// (*.txt) to dat1/NAME.txt, each picture Qt reads to dat2/NAME.bmp (24 bits, same size), each
// picture's description (NAME.description) to dat2/NAME.description byte for byte, with a
// warning when it is not UTF-8 or longer than the game reads, and each sound (WAV,
// Ogg Vorbis, FLAC) to dat2/NAME.wav (16-bit PCM, same rate and channels). README files, hidden
// files and editor leftovers are skipped silently, anything else with a note. The game folder
// then holds exactly the story: what an earlier pack wrote from a source that is gone is removed,
// files an author put there are kept. A source that cannot be read, two sources for one output
// or a write that fails is an error, and then the game folder is left as it was.
PackResult packStory(const QString& sources, const QString& gameFolder);

// A warning for each description a pack wrote whose name no picture it wrote has. The pack command
// adds them to its findings; `check` finds them itself, knowing which pictures the story shows, so
// that one beside a missing picture (which has its own error) is not told again.
QList<Diagnostic> strayDescriptions(const PackResult& result);

} // namespace content
