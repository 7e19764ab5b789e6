#include "tone.h"

#include "media/sdl_media_service.h"
#include "wave_file.h"

#include <QTest>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace tone {

QByteArray sineWav(double frequency, int milliseconds, double amplitude) {
    generator::MonoSound sound;
    sound.sampleRate = rate;
    const int frames = rate * milliseconds / 1000;
    sound.samples.reserve(frames);
    for (int i = 0; i < frames; ++i) {
        sound.samples.push_back(
            static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate)));
    }
    return generator::waveFileBytes(sound);
}

QList<double> firstChannel(const QByteArray& raw16, int channels) {
    QList<double> samples;
    const qsizetype frameBytes = 2 * channels;
    const qsizetype frames = raw16.size() / frameBytes;
    samples.reserve(frames);
    for (qsizetype i = 0; i < frames; ++i) {
        qint16 first;
        std::memcpy(&first, raw16.constData() + i * frameBytes, sizeof first);
        samples.append(first / 32768.0);
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

QByteArray status(media::SdlMediaService& media, const char* alias) {
    QByteArray reply;
    media.send(QByteArray("status ") + alias + " mode", &reply);
    return reply;
}

bool waitForStatus(media::SdlMediaService& media, const char* alias, const QByteArray& state) {
    return QTest::qWaitFor([&] { return status(media, alias) == state; }, 3000);
}

void removeOutputDevice() {
    SDL_Event event{};
    event.type = SDL_AUDIODEVICEREMOVED;
    event.adevice.which = 2; // the first device opened: SDL numbers them from 2
    SDL_PushEvent(&event);
}

} // namespace tone
