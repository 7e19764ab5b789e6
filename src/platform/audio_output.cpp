#include "platform/audio_output.h"

#include "platform/media_command.h"
#include "platform/media_service.h"
#include "platform/sdl_library.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QtEndian>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(zoaSound, "zoa.sound", QtWarningMsg)

constexpr int defaultRate = 44100;
constexpr int lowestRate = 22050;
constexpr int highestRate = 48000;
constexpr int channels = 2;
// The mixer wakes once a buffer and an effect starts at the latest one buffer after its play
// command: the longest buffer within this keeps both low (about 22 wake-ups a second).
constexpr int longestBufferMilliseconds = 50;

// The mixer is process-wide: only one service may drive it at a time.
bool outputTaken = false;

// The longest power of two of frames that lasts at most longestBufferMilliseconds.
int bufferFrames(int rate) {
    int frames = 256;
    while (frames * 2 * 1000 <= longestBufferMilliseconds * rate) {
        frames *= 2;
    }
    return frames;
}

// The sample rate in a RIFF WAVE file's format chunk, or 0 when there is none to read.
int waveSampleRate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE") {
        return 0;
    }
    for (QByteArray chunk = file.read(8); chunk.size() == 8; chunk = file.read(8)) {
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(8);
            return format.size() == 8 ? qFromLittleEndian<qint32>(format.constData() + 4) : 0;
        }
        if (!file.seek(file.pos() + size + (size & 1))) {
            return 0;
        }
    }
    return 0;
}

bool hasPcmDeviceNodes() {
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*")}, QDir::System)
                .isEmpty();
}

// On a machine without sound hardware ALSA, and sndio through its ALSA back end, each spend about
// 100 ms reading ALSA's configuration before they fail. Where there are no PCM device nodes, the
// sound servers are still tried in SDL's order, but these two are not (sndio still is when
// AUDIODEVICE names a server for it). A driver chosen with SDL_AUDIODRIVER is left alone.
void skipAlsaWithoutSoundHardware(const SdlLibrary& sdl) {
    if (!qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER") || hasPcmDeviceNodes()) {
        return;
    }
    const bool sndioServerNamed = !qEnvironmentVariableIsEmpty("AUDIODEVICE");
    QByteArrayList drivers;
    for (int i = 0; i < sdl.SDL_GetNumAudioDrivers(); ++i) {
        const QByteArray name(sdl.SDL_GetAudioDriver(i));
        const bool needsHardware = name == "alsa" || (name == "sndio" && !sndioServerNamed);
        if (!needsHardware && name != "dummy" && name != "disk") {
            drivers.append(name);
        }
    }
    if (!drivers.isEmpty()) {
        sdl.SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.join(',').constData());
    }
}

const SdlLibrary* noDevice(const QByteArray& reason) {
    qCWarning(zoaSound) << "no audio device, the game runs without sound:" << reason.constData();
    return nullptr;
}

} // namespace

int outputRateFor(const QByteArrayList& commands) {
    for (const QByteArray& text : commands) {
        MediaCommand command;
        if (parseMediaCommand(text, &command) == MediaOk && command.verb == MediaVerb::Open) {
            const int rate = waveSampleRate(QString::fromUtf8(command.path));
            return rate >= lowestRate && rate <= highestRate ? rate : defaultRate;
        }
    }
    return defaultRate;
}

const SdlLibrary* openAudioOutput(int rate, const char* driver) {
    if (outputTaken) {
        qCWarning(zoaSound) << "the sound mixer is in use by another media service; no sound";
        return nullptr;
    }
    QByteArray error;
    const SdlLibrary* sdl = sdlLibrary(&error);
    if (sdl == nullptr) {
        return noDevice(error);
    }
    // The audio subsystem brings SDL's event subsystem along; its SIGINT/SIGTERM handlers would
    // turn the signals into events nobody reads, so the program could no longer be interrupted.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (driver != nullptr) {
        sdl->SDL_SetHint(SDL_HINT_AUDIODRIVER, driver);
    } else {
        skipAlsaWithoutSoundHardware(*sdl);
    }
    if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return noDevice(sdl->SDL_GetError());
    }
    if (sdl->Mix_OpenAudio(rate, AUDIO_S16SYS, channels, bufferFrames(rate)) != 0) {
        const QByteArray reason = sdl->SDL_GetError();
        sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return noDevice(reason);
    }
    outputTaken = true;
    return sdl;
}

void closeAudioOutput() {
    QByteArray error;
    const SdlLibrary* sdl = sdlLibrary(&error);
    sdl->Mix_CloseAudio();
    sdl->Mix_Quit();
    sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    outputTaken = false;
}

} // namespace platform
