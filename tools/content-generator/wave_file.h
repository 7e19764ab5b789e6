#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace generator {

// Mono 16-bit PCM audio: samples in [-1, 1], clipped when written.
struct MonoSound {
    int sampleRate = 22050;
    std::vector<float> samples;
};

// The RIFF WAVE file of a sound: one "fmt " chunk (PCM, mono, 16 bits) and one "data" chunk.
QByteArray waveFileBytes(const MonoSound& sound);

// The same for 16-bit samples of any number of channels, interleaved frame by frame.
QByteArray pcm16WaveBytes(int sampleRate, int channels, const std::vector<qint16>& samples);

// Writes the file through a temporary file; false, with the reason in error, on failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString& error);

} // namespace generator
