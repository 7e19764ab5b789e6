// Fuzz target: any bytes as a sound source, written as the 16-bit WAV the game reads, as
// "zoa-content pack" writes it, with at most 16 MiB of samples. Nothing may crash or run out of
// memory; a sound read must come out as a WAV file whose header tells its samples' size.
#include "fuzz_input.h"
#include "pack/media_source.h"

#include <QBuffer>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = writeFuzzInput(data, size, QStringLiteral("sound.wav"));
    if (path.isEmpty()) {
        return 0;
    }
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
