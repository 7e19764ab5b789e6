#include "checks/media_checks.h"

#include "controls/picture.h"
#include "media/media_service.h"
#include "sound/sound_module.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace content {

namespace {

Diagnostic error(const QString& file, const QString& message) {
    return {file, 0, 0, message, Severity::Error};
}

QStringList filesIn(const QString& folder, const QString& pattern) {
    const QStringList names =
        QDir(folder).entryList({pattern}, QDir::Files | QDir::CaseSensitive, QDir::Name);
    QStringList paths;
    for (const QString& name : names) {
        paths.append(folder + QLatin1Char('/') + name);
    }
    return paths;
}

// A regular file only: reading a named pipe or a device could block or never end.
bool pictureReadable(const QString& path) {
    return QFileInfo(path).isFile() && !controls::readPicture(path).isNull();
}

// Opens the sound as the game does, the music as music and any other sound as an effect, and
// closes it again; the media service's answer.
int tryOpenSound(media::MediaService& sounds, const QString& path) {
    const QString alias = QFileInfo(path).fileName() == sound::musicFile ? QStringLiteral("MIDI")
                                                                         : QStringLiteral("WAVE");
    const QString command =
        QStringLiteral("open \"%1\" alias %2").arg(QFileInfo(path).absoluteFilePath(), alias);
    const int code = sounds.send(command.toUtf8(), nullptr);
    if (code == media::MediaOk) {
        sounds.send((QStringLiteral("close ") + alias).toUtf8(), nullptr);
    }
    return code;
}

} // namespace

QList<Diagnostic> checkFixedFiles(const ContentFolder& folder) {
    QList<Diagnostic> diagnostics;
    for (const FixedFile& fixed : fixedFiles) {
        const QString path = folder.sound(QLatin1String(fixed.file));
        if (!QFileInfo(path).isFile()) {
            diagnostics.append(
                error(path, QStringLiteral("missing %1 (%2)")
                                .arg(QLatin1String(fixed.file), QLatin1String(fixed.role))));
        }
    }
    return diagnostics;
}

QList<Diagnostic> checkPictures(const ContentFolder& folder, const QStringList& named) {
    QList<Diagnostic> diagnostics;
    QSet<QString> seen;
    for (const QString& path : filesIn(folder.dat2, QStringLiteral("*.bmp")) + named) {
        const QString key = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        if (seen.contains(key)) {
            continue;
        }
        seen.insert(key);
        if (!pictureReadable(path)) {
            diagnostics.append(error(path, QStringLiteral("not a picture the game can read")));
        }
    }
    return diagnostics;
}

QList<Diagnostic> checkSounds(const ContentFolder& folder, media::MediaService& sounds) {
    QList<Diagnostic> diagnostics;
    for (const QString& path : filesIn(folder.dat2, QStringLiteral("*.wav"))) {
        switch (tryOpenSound(sounds, path)) {
        case media::MediaOk:
            break;
        case media::MediaNoDevice:
            diagnostics.append({path, 0, 0,
                                QStringLiteral("sound not checked: no audio device could be "
                                               "opened"),
                                Severity::Warning});
            break;
        case media::MediaMalformedCommand:
            diagnostics.append(error(path, QStringLiteral("the game cannot open this sound: its "
                                                          "path holds a quote or a control "
                                                          "character")));
            break;
        default:
            diagnostics.append(error(path, QStringLiteral("not a sound the game can play (a RIFF "
                                                          "WAVE file the mixer can load)")));
            break;
        }
    }
    return diagnostics;
}

} // namespace content
