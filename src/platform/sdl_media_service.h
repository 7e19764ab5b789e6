#pragma once

#include "platform/media_service.h"

#include <array>

struct Mix_Chunk;

namespace platform {

// The media command service over SDL2_mixer. It knows two aliases, "MIDI" (the music) and "WAVE"
// (the current effect), each on a mixer channel of its own so that both sound at once; any other
// alias answers MediaUnknownAlias.
//
// Each open sound has a position that is its start (after open or seek), or past its start once
// played. "play" starts a sound at its start and otherwise leaves it as it is: one that plays
// goes on, one that has played to its end stays silent until "seek ... to start" or
// "play ... from 0". "seek" stops and rewinds; "close" stops and frees. Opening an alias that is
// already open replaces its sound only once the new file has loaded: a file that cannot be read
// leaves the old sound as it was. A failed command changes nothing.
//
// The audio device is opened on the first command. When it cannot be opened (or another service
// already holds the mixer), one warning goes to the "zoa.sound" category and every command
// answers MediaNoDevice from then on: the game runs silently. Polling the mixer from the calling
// thread is the only way state is read; no audio-thread callback is used.
class SdlMediaService : public MediaService {
public:
    SdlMediaService() = default;
    ~SdlMediaService() override;
    SdlMediaService(const SdlMediaService&) = delete;
    SdlMediaService& operator=(const SdlMediaService&) = delete;

    int send(const QByteArray& command, QByteArray* reply) override;

    // Sound files above this size are refused as unreadable: loading converts the whole file to
    // the device format in memory, which may be many times its size.
    static constexpr qint64 maxSoundFileBytes = 128 * 1024 * 1024;

private:
    struct Sound {
        Mix_Chunk* chunk = nullptr;
        bool started = false; // played since open or seek: no longer at its start
    };
    enum class Device { Untried, Open, Missing };

    bool deviceReady();
    int open(int channel, const QByteArray& path);
    void close(int channel);

    Device device_ = Device::Untried;
    std::array<Sound, 2> sounds_{}; // indexed by mixer channel
};

} // namespace platform
