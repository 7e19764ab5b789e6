#include "media/wave_header.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace media {

WaveHeader readWaveHeader(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray riff = file.read(12);
    WaveHeader header;
    header.isWave = riff.size() == 12 && riff.startsWith("RIFF") && riff.mid(8) == "WAVE";
    if (!header.isWave) {
        return header;
    }
    for (QByteArray chunk = file.read(8); chunk.size() == 8; chunk = file.read(8)) {
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(8);
            if (format.size() == 8) {
                header.rate = qFromLittleEndian<qint32>(format.constData() + 4);
                header.channels = qFromLittleEndian<qint16>(format.constData() + 2);
            }
            return header;
        }
        if (!file.seek(file.pos() + size + (size & 1))) {
            return header;
        }
    }
    return header;
}

} // namespace media
