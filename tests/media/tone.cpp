#include "tone.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tone {

namespace {

void appendLe16(QByteArray& bytes, quint16 value) {
    char data[2];
    qToLittleEndian(value, data);
    bytes.append(data, 2);
}

void appendLe32(QByteArray& bytes, quint32 value) {
    char data[4];
    qToLittleEndian(value, data);
    bytes.append(data, 4);
}

} // namespace

QByteArray sineWav(double frequency, int milliseconds, double amplitude) {
    const int frames = rate * milliseconds / 1000;
    QByteArray samples;
    for (int i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate);
        appendLe16(samples, static_cast<quint16>(static_cast<qint16>(std::lround(value * 32767))));
    }
    QByteArray wav("RIFF");
    appendLe32(wav, static_cast<quint32>(36 + samples.size()));
    wav += "WAVEfmt ";
    appendLe32(wav, 16);
    appendLe16(wav, 1); // PCM
    appendLe16(wav, 1); // mono
    appendLe32(wav, rate);
    appendLe32(wav, rate * 2); // bytes per second
    appendLe16(wav, 2);        // bytes per frame
    appendLe16(wav, 16);       // bits per sample
    wav += "data";
    appendLe32(wav, static_cast<quint32>(samples.size()));
    return wav + samples;
}

QList<double> leftChannel(const QByteArray& rawStereo16) {
    QList<double> samples;
    const qsizetype frames = rawStereo16.size() / 4;
    samples.reserve(frames);
    for (qsizetype i = 0; i < frames; ++i) {
        qint16 left;
        std::memcpy(&left, rawStereo16.constData() + i * 4, sizeof left);
        samples.append(left / 32768.0);
    }
    return samples;
}

double level(const QList<double>& samples, qsizetype start, qsizetype count, double frequency) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    double previous = 0;
    double beforePrevious = 0;
    for (qsizetype i = start; i < start + count && i < samples.size(); ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious -
                         coefficient * previous * beforePrevious;
    return 2 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(count);
}

} // namespace tone
