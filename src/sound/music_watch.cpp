// The music watch: once a second, a music that has played to its end is started again.
#include "window/fom.h"

namespace {
constexpr int replyBufferSize = 16;
constexpr int replyLength = 15; // characters offered to the service, the closing NUL included
} // namespace

void Fom::Bgm_Check_Timer() {
    QByteArray reply; // stays null when the query fails
    sound.send(QStringLiteral("status MIDI mode"), &reply);
    QByteArray buffer(replyBufferSize, ' ');
    if (!reply.isNull()) {
        const QByteArray text = reply.left(replyLength - 1) + '\0';
        buffer.replace(0, text.size(), text);
    }
    if (buffer.left(7).toUpper() == "STOPPED" && sound.bgmLoop) {
        sound.send(QStringLiteral("seek MIDI to start"));
        sound.send(QStringLiteral("play MIDI from 0"));
    }
}
