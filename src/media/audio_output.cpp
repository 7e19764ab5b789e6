#include "media/audio_output.h"

#include "media/audio_drivers.h"
#include "media/media_command.h"
#include "media/media_service.h"
#include "media/sdl_library.h"
#include "media/wave_header.h"

#include <atomic>
#include <chrono>

namespace media {

namespace {

constexpr int defaultRate = 44100;
constexpr int lowestRate = 22050;
constexpr int highestRate = 48000;
// The mixer wakes once a buffer and an effect starts at the latest one buffer after its play
// command: the longest buffer within this keeps both low (about 22 wake-ups a second).
constexpr int longestBufferMilliseconds = 50;

// The mixer is process-wide: only one service may drive it at a time.
bool outputTaken = false;

// Whether the mixer goes on mixing: a server that goes away without SDL telling of it (SDL's
// PipeWire driver) leaves the mixer waiting for ever. The audio thread notes the time of each
// mixed buffer; a look from the calling thread compares it with the time now.
class MixingWatch {
public:
    static void mixed(int, void*, int, void*) { lastMixed.store(now(), std::memory_order_relaxed); }
    static void start() { lastMixed.store(now(), std::memory_order_relaxed); }
    // True when nothing has been mixed for ten buffers and more.
    static bool stopped() {
        return now() - lastMixed.load(std::memory_order_relaxed) > stoppedMilliseconds;
    }

private:
    static constexpr qint64 stoppedMilliseconds = 500;
    static qint64 now() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    static inline std::atomic<qint64> lastMixed{0};
};

// SDL's audio on the drivers listed, and the mixer's output on its default device.
bool openOn(const SdlLibrary& sdl, const QByteArray& drivers, const AudioFormat& format,
            QByteArray* error, bool needsOutputDevice = false) {
    if (drivers.isEmpty()) {
        *error = "no audio driver can work here";
        return false;
    }
    sdl.SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.constData());
    if (sdl.SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        *error = sdl.SDL_GetError();
        return false;
    }
    if (needsOutputDevice && sdl.SDL_GetNumAudioDevices(0) < 1) {
        *error = "no output device through " + drivers;
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    if (sdl.Mix_OpenAudio(format.rate, AUDIO_S16SYS, format.channels,
                          outputBufferFrames(format.rate)) != 0) {
        *error = sdl.SDL_GetError();
        sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    // Only the removal of the open device is looked for; other device events would pile up.
    sdl.SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    MixingWatch::start();
    sdl.Mix_RegisterEffect(MIX_CHANNEL_POST, &MixingWatch::mixed, nullptr, nullptr);
    return true;
}

} // namespace

// The longest power of two of frames that lasts at most longestBufferMilliseconds.
int outputBufferFrames(int rate) {
    int frames = 256;
    while (frames * 2 * 1000 <= longestBufferMilliseconds * rate) {
        frames *= 2;
    }
    return frames;
}

AudioFormat outputFormatFor(const QByteArrayList& commands) {
    for (const QByteArray& text : commands) {
        MediaCommand command;
        if (parseMediaCommand(text, &command) == MediaOk && command.verb == MediaVerb::Open) {
            const WaveHeader format = readWaveHeader(QString::fromUtf8(command.path));
            return {format.rate >= lowestRate && format.rate <= highestRate ? format.rate
                                                                            : defaultRate,
                    format.channels == 1 ? 1 : 2};
        }
    }
    return {defaultRate, 2};
}

const SdlLibrary* openAudioOutput(const AudioFormat& format, const QByteArray& driver,
                                  QByteArray* error) {
    if (outputTaken) {
        *error = "the sound mixer is in use by another media service";
        return nullptr;
    }
    const SdlLibrary* sdl = sdlLibrary(error);
    if (sdl == nullptr) {
        return nullptr;
    }
    // The audio subsystem brings SDL's event subsystem along; its SIGINT/SIGTERM handlers would
    // turn the signals into events nobody reads, so the program could no longer be interrupted.
    sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // On a PipeWire desktop the game is PipeWire's own client: through pipewire-pulse, which SDL
    // would choose, the server spends several times as much on the same stream. PipeWire without
    // an output device runs for video only, beside a PulseAudio server.
    const bool opened =
        driver.isEmpty() ? (pipewireFirst(*sdl) && openOn(*sdl, "pipewire", format, error, true)) ||
                               openOn(*sdl, audioDriversToTry(*sdl), format, error)
                         : openOn(*sdl, driver, format, error);
    outputTaken = opened;
    return opened ? sdl : nullptr;
}

void closeAudioOutput() {
    QByteArray error;
    const SdlLibrary* sdl = sdlLibrary(&error);
    sdl->Mix_CloseAudio();
    sdl->Mix_Quit();
    sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    outputTaken = false;
}

QByteArray audioOutputDriver() {
    QByteArray error;
    const SdlLibrary* sdl = sdlLibrary(&error);
    return sdl != nullptr && outputTaken ? QByteArray(sdl->SDL_GetCurrentAudioDriver())
                                         : QByteArray();
}

bool audioOutputGone() {
    QByteArray error;
    const SdlLibrary* sdl = sdlLibrary(&error);
    SDL_Event event;
    bool removed = false;
    while (sdl->SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED,
                               SDL_AUDIODEVICEREMOVED) > 0) {
        removed = removed || event.adevice.iscapture == 0;
    }
    return removed || MixingWatch::stopped();
}

} // namespace media
