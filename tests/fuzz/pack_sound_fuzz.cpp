// Fuzz target: any bytes as a sound source, written as the 16-bit WAV the game reads, as
// "zoa-content pack" writes it, with at most 16 MiB of samples. Nothing may crash or run out of
// memory; a sound read must come out as a WAV file whose header tells its samples' size.
#include "pack/media_source.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    QFile source(path);
    if (!source.open(QIODevice::WriteOnly) ||
        source.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        return 0;
    }
    source.close();
    constexpr qint64 largest = 16 << 20;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (content::writeSoundAsWav(path, out, largest).isEmpty()) {
        const QByteArray wave = out.data();
        const qint64 samples = wave.size() - 44;
        if (!wave.startsWith("RIFF") || samples > largest ||
            qFromLittleEndian<quint32>(wave.constData() + 40) != samples) {
            std::abort();
        }
    }
    return 0;
}
