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

QString SoundModule::openCommand(const QString& WAVFileName, const QString& alias) const {
    return QStringLiteral("open \"%1\" alias %2").arg(soundPath(WAVFileName), alias);
}

void SoundModule::BgmOpn(const QString& WAVFileName) {
    send(QStringLiteral("close MIDI notify"));
    send(openCommand(WAVFileName, QStringLiteral("MIDI")));
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
    send(openCommand(WAVFileName, QStringLiteral("WAVE")));
    send(QStringLiteral("play WAVE notify"));
}

} // namespace sound
