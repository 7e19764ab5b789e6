#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "sound/sound_module.h"

#include <QList>
#include <QStringList>

namespace media {
class MediaService;
}

namespace content {

// A file in dat2/ that the game always uses, whatever the story.
struct FixedFile {
    const char* file;
    const char* role;
};

inline constexpr FixedFile fixedFiles[] = {
    {"opn.bmp", "the title picture"},
    {sound::musicFile.data(), "the music"},
    {"se.wav", "the sound of each typed line"},
    {"se2.wav", "the sound of choices and settings"},
};

// An error for each fixed file the game always uses (the title picture and the three sounds)
// that is missing from dat2/.
QList<Diagnostic> checkFixedFiles(const ContentFolder& folder);

// An error for each picture (*.bmp) in dat2/, and each of the named picture files, that the game
// cannot read.
QList<Diagnostic> checkPictures(const ContentFolder& folder, const QStringList& named);

// An error for each sound (*.wav) in dat2/ that the media service cannot open; a warning for each
// it could not try for want of an audio device.
QList<Diagnostic> checkSounds(const ContentFolder& folder, media::MediaService& sounds);

} // namespace content
