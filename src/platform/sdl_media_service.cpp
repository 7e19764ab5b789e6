#include "platform/sdl_media_service.h"

#include "platform/media_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

#include <limits>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(zoaSound, "zoa.sound", QtWarningMsg)

// 512 frames at 44.1 kHz: about 12 ms of buffer between a play command and its first sample.
constexpr int deviceFrequency = 44100;
constexpr int deviceChannels = 2;
constexpr int deviceBufferFrames = 512;

constexpr int musicChannel = 0;
constexpr int effectChannel = 1;

// The mixer is process-wide: only one service may drive it at a time.
bool mixerTaken = false;

int channelOf(const QByteArray& alias) {
    if (alias.compare(QByteArrayView("MIDI"), Qt::CaseInsensitive) == 0) {
        return musicChannel;
    }
    if (alias.compare(QByteArrayView("WAVE"), Qt::CaseInsensitive) == 0) {
        return effectChannel;
    }
    return -1;
}

// Opens a RIFF WAVE file of at most maxBytes for reading, or returns null. Only regular files are
// opened, so a named pipe or a device cannot block or feed the loader endlessly.
SDL_RWops* openWaveFile(const QByteArray& utf8Path, qint64 maxBytes) {
    const QString path = QString::fromUtf8(utf8Path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() < 12 || info.size() > maxBytes) {
        return nullptr;
    }
    SDL_RWops* file = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    char header[12];
    if (SDL_RWread(file, header, 1, sizeof header) != sizeof header ||
        QByteArrayView(header, 4) != "RIFF" || QByteArrayView(header + 8, 4) != "WAVE" ||
        SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(file);
        return nullptr;
    }
    return file;
}

bool hasPcmDeviceNodes() {
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*")}, QDir::System)
                .isEmpty();
}

// On a machine without sound hardware ALSA alone spends about 100 ms reading its configuration
// before it fails, which delays the title. Where there are no PCM device nodes, every other
// driver (the sound servers) is still tried in SDL's order, but ALSA is not. A driver chosen
// with SDL_AUDIODRIVER is left alone.
void skipAlsaWithoutSoundHardware() {
    if (!qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER") || hasPcmDeviceNodes()) {
        return;
    }
    QByteArrayList drivers;
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
        const QByteArray name(SDL_GetAudioDriver(i));
        if (name != "alsa" && name != "dummy" && name != "disk") {
            drivers.append(name);
        }
    }
    if (!drivers.isEmpty()) {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.join(',').constData());
    }
}

} // namespace

SdlMediaService::~SdlMediaService() {
    if (device_ != Device::Open) {
        return;
    }
    for (int channel = 0; channel < static_cast<int>(sounds_.size()); ++channel) {
        close(channel);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerTaken = false;
}

bool SdlMediaService::deviceReady() {
    if (device_ != Device::Untried) {
        return device_ == Device::Open;
    }
    device_ = Device::Missing;
    if (mixerTaken) {
        qCWarning(zoaSound) << "the sound mixer is in use by another media service; no sound";
        return false;
    }
    // The audio subsystem brings SDL's event subsystem along; its SIGINT/SIGTERM handlers would
    // turn the signals into events nobody reads, so the program could no longer be interrupted.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    skipAlsaWithoutSoundHardware();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        qCWarning(zoaSound) << "no audio device, the game runs without sound:" << SDL_GetError();
        return false;
    }
    if (Mix_OpenAudio(deviceFrequency, MIX_DEFAULT_FORMAT, deviceChannels, deviceBufferFrames) !=
        0) {
        qCWarning(zoaSound) << "no audio device, the game runs without sound:" << Mix_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(static_cast<int>(sounds_.size()));
    mixerTaken = true;
    device_ = Device::Open;
    return true;
}

int SdlMediaService::open(int channel, const QByteArray& path) {
    const qint64 maxBytes =
        channel == musicChannel ? std::numeric_limits<qint64>::max() : maxEffectBytes_;
    SDL_RWops* file = openWaveFile(path, maxBytes);
    if (file == nullptr) {
        return MediaUnreadableFile;
    }
    Sound loaded;
    // Both loaders free the file, also on failure; the music keeps reading it while it plays.
    if (channel == musicChannel) {
        loaded.music = Mix_LoadMUSType_RW(file, MUS_WAV, 1);
    } else {
        loaded.chunk = Mix_LoadWAV_RW(file, 1);
    }
    if (!loaded.isOpen()) {
        return MediaUnreadableFile;
    }
    close(channel);
    sounds_[channel] = loaded;
    return MediaOk;
}

void SdlMediaService::close(int channel) {
    Sound& sound = sounds_[channel];
    stop(channel);
    if (sound.music != nullptr) {
        Mix_FreeMusic(sound.music);
    }
    if (sound.chunk != nullptr) {
        Mix_FreeChunk(sound.chunk);
    }
    sound = Sound{};
}

// Plays an open sound from its start, once.
bool SdlMediaService::start(int channel) {
    const Sound& sound = sounds_[channel];
    if (sound.music != nullptr) {
        return Mix_PlayMusic(sound.music, 1) == 0;
    }
    return sound.chunk != nullptr && Mix_PlayChannel(channel, sound.chunk, 0) >= 0;
}

void SdlMediaService::stop(int channel) {
    if (sounds_[channel].music != nullptr) {
        Mix_HaltMusic();
    } else if (sounds_[channel].chunk != nullptr) {
        Mix_HaltChannel(channel);
    }
}

bool SdlMediaService::isPlaying(int channel) const {
    if (sounds_[channel].music != nullptr) {
        return Mix_PlayingMusic() != 0;
    }
    return Mix_Playing(channel) != 0;
}

int SdlMediaService::send(const QByteArray& command, QByteArray* reply) {
    if (!deviceReady()) {
        return MediaNoDevice;
    }
    MediaCommand parsed;
    const int code = parseMediaCommand(command, &parsed);
    if (code != MediaOk) {
        return code;
    }
    const int channel = channelOf(parsed.alias);
    if (channel < 0) {
        return MediaUnknownAlias;
    }
    if (parsed.verb == MediaVerb::Open) {
        return open(channel, parsed.path);
    }
    Sound& sound = sounds_[channel];
    if (!sound.isOpen()) {
        return MediaUnknownAlias;
    }
    switch (parsed.verb) {
    case MediaVerb::Play:
        if (parsed.fromStart || !sound.started) {
            // Playing a sound that plays restarts it.
            if (!start(channel)) {
                return MediaNoDevice;
            }
            sound.started = true;
        }
        return MediaOk;
    case MediaVerb::Close:
        close(channel);
        return MediaOk;
    case MediaVerb::Status:
        if (reply != nullptr) {
            *reply =
                isPlaying(channel) ? QByteArrayLiteral("playing") : QByteArrayLiteral("stopped");
        }
        return MediaOk;
    case MediaVerb::Seek:
        stop(channel);
        sound.started = false;
        return MediaOk;
    case MediaVerb::Open:
        break;
    }
    return MediaMalformedCommand;
}

} // namespace platform
