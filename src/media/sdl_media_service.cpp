#include "media/sdl_media_service.h"

#include "media/audio_output.h"
#include "media/media_command.h"
#include "media/read_ahead_file.h"
#include "media/sdl_library.h"
#include "media/wave_header.h"

#include <QFile>
#include <QFileInfo>

#include <limits>

namespace media {

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

// Whether the path names a regular RIFF WAVE file of at most maxBytes. Only regular files are
// opened, so a named pipe or a device cannot block or feed the loader endlessly.
bool isWaveFile(const QString& path, qint64 maxBytes) {
    return QFileInfo(path).size() <= maxBytes && readWaveHeader(path).isWave;
}

} // namespace

SdlMediaService::SdlMediaService(qint64 maxEffectBytes, const QByteArray& driver)
    : maxEffectBytes_(maxEffectBytes)
    , driver_(driver) {}

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
    format_ = outputFormatFor(commands);
    QByteArray error;
    if (!openOutput(driver_, &error)) {
        lookForDeviceLater(error);
        return false;
    }
    return true;
}

int SdlMediaService::open(int channel, const QByteArray& path) {
    Sound loaded;
    const int code = load(channel, path, &loaded);
    if (code != MediaOk) {
        return code;
    }
    close(channel);
    sounds_[channel] = loaded;
    return MediaOk;
}

// Loads a sound for the channel on the open output; without one, the file is only checked.
int SdlMediaService::load(int channel, const QByteArray& path, Sound* loaded) {
    const qint64 maxBytes =
        channel == musicChannel ? std::numeric_limits<qint64>::max() : maxEffectBytes_;
    const QString name = QString::fromUtf8(path);
    if (!isWaveFile(name, maxBytes)) {
        return MediaUnreadableFile;
    }
    loaded->path = path;
    if (sdl_ == nullptr) {
        return MediaOk;
    }
    SDL_RWops* file = openReadAheadFile(name);
    if (file == nullptr) {
        return MediaUnreadableFile;
    }
    // Both loaders free the file, also on failure; the music keeps reading it while it plays.
    if (channel == musicChannel) {
        loaded->music = sdl_->Mix_LoadMUSType_RW(file, MUS_WAV, 1);
    } else {
        loaded->chunk = sdl_->Mix_LoadWAV_RW(file, 1);
    }
    return loaded->music != nullptr || loaded->chunk != nullptr ? MediaOk : MediaUnreadableFile;
}

void SdlMediaService::close(int channel) {
    unload(channel);
    sounds_[channel] = Sound{};
}

// Frees what the output holds of a sound; the service still knows it as open.
void SdlMediaService::unload(int channel) {
    Sound& sound = sounds_[channel];
    stop(channel);
    if (sound.music != nullptr) {
        sdl_->Mix_FreeMusic(sound.music);
    }
    if (sound.chunk != nullptr) {
        sdl_->Mix_FreeChunk(sound.chunk);
    }
    sound.music = nullptr;
    sound.chunk = nullptr;
}

// Plays an open sound from its start, once; without an output, it is only known to play.
bool SdlMediaService::start(int channel) {
    Sound& sound = sounds_[channel];
    sound.sounding = true;
    if (sdl_ == nullptr) {
        return true;
    }
    if (sound.music != nullptr) {
        return sdl_->Mix_PlayMusic(sound.music, 1) == 0;
    }
    return sound.chunk != nullptr && sdl_->Mix_PlayChannel(channel, sound.chunk, 0) >= 0;
}

void SdlMediaService::stop(int channel) {
    Sound& sound = sounds_[channel];
    sound.sounding = false;
    if (sound.music != nullptr) {
        sdl_->Mix_HaltMusic();
    } else if (sound.chunk != nullptr) {
        sdl_->Mix_HaltChannel(channel);
    }
}

bool SdlMediaService::isPlaying(int channel) const {
    const Sound& sound = sounds_[channel];
    if (sdl_ == nullptr) {
        return sound.sounding;
    }
    if (sound.music != nullptr) {
        return sdl_->Mix_PlayingMusic() != 0;
    }
    return sdl_->Mix_Playing(channel) != 0;
}

int SdlMediaService::send(const QByteArray& command, QByteArray* reply) {
    if (holding_) {
        releaseCommands();
    }
    deviceReady({command});
    noticeLostOutput();
    if (device_ != Device::Open && sinceLook_.isValid() &&
        sinceLook_.hasExpired(retryMilliseconds)) {
        lookForOutput();
    }
    if (device_ == Device::Missing) {
        run(command, nullptr); // kept track of, for an output found later
        return MediaNoDevice;
    }
    return run(command, reply);
}

// Runs a command on the open output, or without one on what the service keeps track of.
int SdlMediaService::run(const QByteArray& command, QByteArray* reply) {
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

} // namespace media
