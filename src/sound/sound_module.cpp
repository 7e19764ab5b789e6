#include "sound/sound_module.h"

#include "host/host_facts.h"
#include "host/log.h"
#include "media/media_service.h"

namespace sound {

SoundModule::SoundModule(media::MediaService& media, const host::HostFacts& host)
    : media_(media)
    , host_(host) {}

int SoundModule::send(const QString& command, QByteArray* reply) {
    const int code = media_.send(command.toUtf8(), reply);
    if (host::traceEnabled()) {
        host::trace(QLatin1String("media ") + command + QLatin1String(" -> ") +
                    QString::number(code));
    }
    return code;
}

QString SoundModule::soundPath(const QString& WAVFileName) const {
    QString path = host_.programFolder();
    path += path.endsWith(QLatin1Char('/')) ? QStringLiteral("dat2/") : QStringLiteral("/dat2/");
    return path + WAVFileName;
}

// Sends a command whose answer is only traced, in its place in the trace even when the service
// answers it later; `answered` may add to that place.
void SoundModule::post(const QString& command, const Answered& answered) {
    const host::LogPlace place;
    media_.post(command.toUtf8(), [command, place, answered](int code) {
        if (host::traceEnabled()) {
            place.trace(QLatin1String("media ") + command + QLatin1String(" -> ") +
                        QString::number(code));
        }
        if (answered) {
            answered(code, place);
        }
        place.close();
    });
}

// Opens a sound under an alias. A file the service cannot read as a sound is reported once; the
// game plays on without it.
void SoundModule::openSound(const QString& WAVFileName, const QString& alias) {
    const QString path = soundPath(WAVFileName);
    post(QStringLiteral("open \"%1\" alias %2").arg(path, alias),
         [path, reported = reportedSounds_](int code, const host::LogPlace& place) {
             if (code == media::MediaUnreadableFile && !reported->contains(path)) {
                 reported->insert(path);
                 place.contentWarning(QStringLiteral("cannot play the sound ") + path);
             }
         });
}

void SoundModule::BgmOpn(const QString& WAVFileName) {
    post(QStringLiteral("close MIDI notify"));
    openSound(WAVFileName, QStringLiteral("MIDI"));
}

void SoundModule::BgmStt() {
    bgmLoop = true;
    post(QStringLiteral("play MIDI notify"));
}

void SoundModule::BgmCls() {
    post(QStringLiteral("close MIDI notify"));
}

void SoundModule::SeStt(const QString& WAVFileName) {
    post(QStringLiteral("close WAVE notify"));
    openSound(WAVFileName, QStringLiteral("WAVE"));
    post(QStringLiteral("play WAVE notify"));
}

} // namespace sound
