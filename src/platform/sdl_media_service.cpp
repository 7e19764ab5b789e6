#include "platform/sdl_media_service.h"

#include "platform/audio_output.h"
#include "platform/media_command.h"
#include "platform/sdl_library.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace platform {

namespace {

constexpr int musicChannel = 0;
constexpr int effectChannel = 1;

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
SDL_RWops* openWaveFile(const SdlLibrary& sdl, const QByteArray& utf8Path, qint64 maxBytes) {
    const QString path = QString::fromUtf8(utf8Path);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() < 12 || info.size() > maxBytes) {
        return nullptr;
    }
    SDL_RWops* file = sdl.SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (file == nullptr) {
        return nullptr;
    }
    char header[12];
    if (sdl.SDL_RWread(file, header, 1, sizeof header) != sizeof header ||
        QByteArrayView(header, 4) != "RIFF" || QByteArrayView(header + 8, 4) != "WAVE" ||
        sdl.SDL_RWseek(file, 0, RW_SEEK_SET) != 0) {
        sdl.SDL_RWclose(file);
        return nullptr;
    }
    return file;
}

} // namespace

SdlMediaService::~SdlMediaService() {
    for (Waiting& command : waiting_) {
        command.answered(MediaNoDevice);
    }
    if (device_ != Device::Open) {
        return;
    }
    for (int channel = 0; channel < static_cast<int>(sounds_.size()); ++channel) {
        close(channel);
    }
    closeAudioOutput();
}

void SdlMediaService::holdCommands() {
    holding_ = true;
}

void SdlMediaService::releaseCommands() {
    holding_ = false;
    if (waiting_.empty()) {
        return;
    }
    std::vector<Waiting> waiting;
    waiting.swap(waiting_);
    QByteArrayList commands;
    for (const Waiting& command : waiting) {
        commands.append(command.command);
    }
    deviceReady(commands);
    for (Waiting& command : waiting) {
        command.answered(send(command.command, nullptr));
    }
}

void SdlMediaService::post(const QByteArray& command, Answered answered) {
    if (holding_) {
        waiting_.push_back({command, std::move(answered)});
    } else {
        answered(send(command, nullptr));
    }
}

bool SdlMediaService::deviceReady(const QByteArrayList& commands) {
    if (device_ != Device::Untried) {
        return device_ == Device::Open;
    }
    device_ = Device::Missing;
    sdl_ = openAudioOutput(outputRateFor(commands), driver_);
    if (sdl_ == nullptr) {
        return false;
    }
    sdl_->Mix_AllocateChannels(static_cast<int>(sounds_.size()));
    device_ = Device::Open;
    return true;
}

int SdlMediaService::open(int channel, const QByteArray& path) {
    const qint64 maxBytes =
        channel == musicChannel ? std::numeric_limits<qint64>::max() : maxEffectBytes_;
    SDL_RWops* file = openWaveFile(*sdl_, path, maxBytes);
    if (file == nullptr) {
        return MediaUnreadableFile;
    }
    Sound loaded;
    // Both loaders free the file, also on failure; the music keeps reading it while it plays.
    if (channel == musicChannel) {
        loaded.music = sdl_->Mix_LoadMUSType_RW(file, MUS_WAV, 1);
    } else {
        loaded.chunk = sdl_->Mix_LoadWAV_RW(file, 1);
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
        sdl_->Mix_FreeMusic(sound.music);
    }
    if (sound.chunk != nullptr) {
        sdl_->Mix_FreeChunk(sound.chunk);
    }
    sound = Sound{};
}

// Plays an open sound from its start, once.
bool SdlMediaService::start(int channel) {
    const Sound& sound = sounds_[channel];
    if (sound.music != nullptr) {
        return sdl_->Mix_PlayMusic(sound.music, 1) == 0;
    }
    return sound.chunk != nullptr && sdl_->Mix_PlayChannel(channel, sound.chunk, 0) >= 0;
}

void SdlMediaService::stop(int channel) {
    if (sounds_[channel].music != nullptr) {
        sdl_->Mix_HaltMusic();
    } else if (sounds_[channel].chunk != nullptr) {
        sdl_->Mix_HaltChannel(channel);
    }
}

bool SdlMediaService::isPlaying(int channel) const {
    if (sounds_[channel].music != nullptr) {
        return sdl_->Mix_PlayingMusic() != 0;
    }
    return sdl_->Mix_Playing(channel) != 0;
}

int SdlMediaService::send(const QByteArray& command, QByteArray* reply) {
    if (holding_) {
        releaseCommands();
    }
    if (!deviceReady({command})) {
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
