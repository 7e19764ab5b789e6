#include "wave_file.h"

#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace generator {

namespace {

void append32(QByteArray& bytes, quint32 value) {
    char buffer[4];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 4);
}

void append16(QByteArray& bytes, quint16 value) {
    char buffer[2];
    qToLittleEndian(value, buffer);
    bytes.append(buffer, 2);
}

} // namespace

QByteArray pcm16WaveBytes(int sampleRate, int channels, const std::vector<qint16>& samples) {
    const quint32 dataSize = static_cast<quint32>(samples.size() * 2);
    const auto frameBytes = static_cast<quint16>(channels * 2);
    QByteArray bytes;
    bytes.reserve(44 + static_cast<qsizetype>(dataSize));
    bytes.append("RIFF");
    append32(bytes, 36 + dataSize);
    bytes.append("WAVEfmt ");
    append32(bytes, 16);                                            // chunk size
    append16(bytes, 1);                                             // PCM
    append16(bytes, static_cast<quint16>(channels));                // channels
    append32(bytes, static_cast<quint32>(sampleRate));              // sample frames per second
    append32(bytes, static_cast<quint32>(sampleRate) * frameBytes); // bytes per second
    append16(bytes, frameBytes);                                    // bytes per sample frame
    append16(bytes, 16);                                            // bits per sample
    bytes.append("data");
    append32(bytes, dataSize);
    for (const qint16 sample : samples) {
        append16(bytes, static_cast<quint16>(sample));
    }
    return bytes;
}

QByteArray waveFileBytes(const MonoSound& sound) {
    std::vector<qint16> samples;
    samples.reserve(sound.samples.size());
    for (const float sample : sound.samples) {
        const float clipped = std::clamp(sample, -1.0f, 1.0f);
        samples.push_back(static_cast<qint16>(std::lround(clipped * 32767.0f)));
    }
    return pcm16WaveBytes(sound.sampleRate, 1, samples);
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace generator
