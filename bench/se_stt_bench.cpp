// The cost of starting a sound effect: one SoundModule::SeStt call (close, open, play) with the
// real media service under SDL's dummy audio driver, over a short WAV in a temporary folder.
#include "bench_table.h"
#include "host/host_facts.h"
#include "media/sdl_media_service.h"
#include "sound/sound_module.h"
#include "wave_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

// 100 ms of a 1 kHz sine, mono 16-bit PCM at 44.1 kHz.
QByteArray effectWav() {
    generator::MonoSound sound;
    sound.sampleRate = 44100;
    for (int i = 0; i < sound.sampleRate / 10; ++i) {
        sound.samples.push_back(static_cast<float>(
            0.3 * std::sin(2 * std::numbers::pi * 1000.0 * i / sound.sampleRate)));
    }
    return generator::waveFileBytes(sound);
}

} // namespace

int main() {
    // Effects need a device: without a sound card, SDL's dummy driver stands in for one.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("dat2"));
    QFile file(dir.filePath(QStringLiteral("dat2/se.wav")));
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(effectWav()) < 0) {
        printRow(QStringLiteral("one SeStt call"), QStringLiteral("cannot write the test sound"),
                 QStringLiteral("<= 2 ms"));
        return 0;
    }
    file.close();

    media::SdlMediaService media;
    host::FixedHostFacts host(dir.path(), 16200);
    sound::SoundModule sound(media, host);
    const QString name = QStringLiteral("se.wav");
    // The first call opens the audio device; it is not part of the measure.
    sound.SeStt(name);
    if (sound.send(QStringLiteral("status WAVE mode")) != media::MediaOk) {
        printRow(QStringLiteral("one SeStt call"), QStringLiteral("no audio device"),
                 QStringLiteral("<= 2 ms"));
        return 0;
    }

    constexpr int iterations = 1000;
    std::vector<qint64> micros;
    micros.reserve(iterations);
    QElapsedTimer clock;
    for (int i = 0; i < iterations; ++i) {
        clock.start();
        sound.SeStt(name);
        micros.push_back(clock.nsecsElapsed() / 1000);
    }
    std::sort(micros.begin(), micros.end());
    const qint64 median = micros[micros.size() / 2];
    const qint64 p99 = micros[micros.size() * 99 / 100];
    printRow(
        QStringLiteral("one SeStt call, real service, dummy driver (median of %1)").arg(iterations),
        QStringLiteral("%1 us (p99 %2 us)").arg(median).arg(p99), QStringLiteral("<= 2 ms"));
    return 0;
}
