// How soon an effect is heard: from the SoundModule::SeStt call to the first non-silent sample of
// the mixed output the device takes, seen by a post-mix hook, plus that sample's place in its
// buffer. The demo's click (se.wav) with the real service under SDL's dummy driver, no music
// playing so that the effect's first sample is the first non-silent one. The calls come at
// random moments, so that they fall anywhere in the mixer's buffer period.
#include "bench_table.h"
#include "host/host_facts.h"
#include "media/sdl_media_service.h"
#include "sound/sound_module.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>

#include <SDL_mixer.h>

#include <atomic>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

struct Watch {
    std::atomic<bool> armed{false};
    std::atomic<Clock::rep> heardAt{0}; // when the hook saw the first non-silent sample
    int frequency = 0;
    int channels = 0;
};

void SDLCALL watchOutput(void* data, Uint8* stream, int length) {
    auto* watch = static_cast<Watch*>(data);
    if (!watch->armed) {
        return;
    }
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    const int count = length / static_cast<int>(sizeof(Sint16));
    for (int i = 0; i < count; ++i) {
        if (samples[i] != 0) {
            const auto offset = std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(double(i / watch->channels) / watch->frequency));
            watch->heardAt = (Clock::now() + offset).time_since_epoch().count();
            watch->armed = false;
            return;
        }
    }
}

// Milliseconds from the call to the effect's first sample, or -1 when it was never heard.
double measureOnce(sound::SoundModule& sound, Watch& watch) {
    watch.heardAt = 0;
    watch.armed = true;
    const auto called = Clock::now();
    sound.SeStt(QStringLiteral("se.wav"));
    while (watch.armed && Clock::now() - called < std::chrono::seconds(1)) {
        QThread::usleep(200);
    }
    if (watch.armed) {
        watch.armed = false;
        return -1;
    }
    const Clock::time_point heard{Clock::duration{watch.heardAt.load()}};
    return std::chrono::duration<double, std::milli>(heard - called).count();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString figure = QStringLiteral("effect latency: SeStt call to its first sample taken "
                                          "by the device, dummy driver (median and max of 50)");
    const QString target = QStringLiteral("<= 50 ms");
    if (argc < 2 ||
        !QFile::exists(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/dat2/se.wav"))) {
        printRow(figure, QStringLiteral("no demo content"), target);
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "dummy");
    }
    host::FixedHostFacts host(QString::fromLocal8Bit(argv[1]), 16200);
    media::SdlMediaService media;
    sound::SoundModule sound(media, host);
    // As in the game, the device opens at the rate of the sounds it is first given.
    media.holdCommands();
    sound.SeStt(QStringLiteral("se.wav"));
    media.releaseCommands();
    Watch watch;
    Uint16 format = 0;
    if (Mix_QuerySpec(&watch.frequency, &format, &watch.channels) != 1 || format != AUDIO_S16SYS) {
        printRow(figure, QStringLiteral("no audio device"), target);
        return 0;
    }
    Mix_SetPostMix(&watchOutput, &watch);

    std::vector<double> latencies;
    for (int i = 0; i < 50; ++i) {
        // Let the last click end, then call at a random moment of the buffer period.
        QThread::msleep(150 + QRandomGenerator::global()->bounded(100));
        const double milliseconds = measureOnce(sound, watch);
        if (milliseconds < 0) {
            printRow(figure, QStringLiteral("the effect was never heard"), target);
            return 0;
        }
        latencies.push_back(milliseconds);
    }
    Mix_SetPostMix(nullptr, nullptr);
    printRow(figure,
             QStringLiteral("%1 ms, max %2 ms (%3 Hz)")
                 .arg(median(latencies), 0, 'f', 1)
                 .arg(*std::max_element(latencies.begin(), latencies.end()), 0, 'f', 1)
                 .arg(watch.frequency),
             target);
    return 0;
}
