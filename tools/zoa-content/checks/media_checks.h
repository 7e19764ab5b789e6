#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"

#include <QList>
#include <QStringList>

namespace platform {
class MediaService;
}

namespace content {

// An error for each fixed file the game always uses (the title picture and the three sounds)
// that is missing from dat2/.
QList<Diagnostic> checkFixedFiles(const ContentFolder& folder);

// An error for each picture (*.bmp) in dat2/, and each of the named picture files, that the game
// cannot read.
QList<Diagnostic> checkPictures(const ContentFolder& folder, const QStringList& named);

// An error for each sound (*.wav) in dat2/ that the media service cannot open; a warning for each
// it could not try for want of an audio device.
QList<Diagnostic> checkSounds(const ContentFolder& folder, platform::MediaService& sounds);

} // namespace content
