#include "sound/sound_module.h"

#include "platform/host_facts.h"
#include "platform/log.h"
#include "platform/media_service.h"

namespace sound {

SoundModule::SoundModule(platform::MediaService& media, const platform::HostFacts& host)
    : media_(media)
    , host_(host) {}

int SoundModule::send(const QString& command, QByteArray* reply) {
    const int code = media_.send(command.toUtf8(), reply);
    if (platform::traceEnabled()) {
        platform::trace(QLatin1String("media ") + command + QLatin1String(" -> ") +
                        QString::number(code));
    }
    return code;
}

QString SoundModule::soundPath(const QString& WAVFileName) const {
    QString path = host_.programFolder();
    path += path.endsWith(QLatin1Char('/')) ? QStringLiteral("dat2/") : QStringLiteral("/dat2/");
    return path + WAVFileName;
}

// Opens a sound under an alias. A file the service cannot read as a sound is reported once; the
// game plays on without it.
void SoundModule::openSound(const QString& WAVFileName, const QString& alias) {
    const QString path = soundPath(WAVFileName);
    const int code = send(QStringLiteral("open \"%1\" alias %2").arg(path, alias));
    if (code == platform::MediaUnreadableFile && !reportedSounds_.contains(path)) {
        reportedSounds_.insert(path);
        platform::contentWarning(QStringLiteral("cannot play the sound ") + path);
    }
}

void SoundModule::BgmOpn(const QString& WAVFileName) {
    send(QStringLiteral("close MIDI notify"));
    openSound(WAVFileName, QStringLiteral("MIDI"));
}

void SoundModule::BgmStt() {
    bgmLoop = true;
    send(QStringLiteral("play MIDI notify"));
}

void SoundModule::BgmCls() {
    send(QStringLiteral("close MIDI notify"));
}

void SoundModule::SeStt(const QString& WAVFileName) {
    send(QStringLiteral("close WAVE notify"));
    openSound(WAVFileName, QStringLiteral("WAVE"));
    send(QStringLiteral("play WAVE notify"));
}

} // namespace sound
