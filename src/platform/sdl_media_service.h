#pragma once

#include "platform/media_service.h"

#include <QByteArrayList>

#include <array>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

namespace platform {

struct SdlLibrary;

// The media command service over SDL2_mixer. It knows two aliases, "MIDI" (the music, on the
// mixer's music stream) and "WAVE" (the current effect, on a channel of its own), so that both
// sound at once; any other alias answers MediaUnknownAlias.
//
// Each open sound has a position that is its start (after open or seek), or past its start once
// played. "play" starts a sound at its start and otherwise leaves it as it is: one that plays
// goes on, one that has played to its end stays silent until "seek ... to start" or
// "play ... from 0". "seek" stops and rewinds; "close" stops and frees. Opening an alias that is
// already open replaces its sound only once the new file has loaded: a file that cannot be read
// leaves the old sound as it was. A failed command changes nothing.
//
// The audio device is opened on the first command, at the rate of the first sound that command
// or the held ones open (see holdCommands). When it cannot be opened (or another service
// already holds the mixer), one warning goes to the "zoa.sound" category and every command
// answers MediaNoDevice from then on: the game runs silently. Commands still held when the
// service ends are answered MediaNoDevice, without opening the device. Polling the mixer from the
// calling thread is the only way state is read; no audio-thread callback is used.
class SdlMediaService : public MediaService {
public:
    // Effect files above maxEffectBytes are refused as unreadable: an effect is converted whole
    // to the device format in memory, which may be many times its size. The music is streamed
    // and has no such limit. The device is opened on the SDL audio driver named (null: the
    // machine's own, as for the game; "dummy": none is needed, as for checking sounds), unless
    // SDL_AUDIODRIVER names one.
    explicit SdlMediaService(qint64 maxEffectBytes = defaultMaxEffectBytes,
                             const char* driver = nullptr)
        : maxEffectBytes_(maxEffectBytes)
        , driver_(driver) {}
    ~SdlMediaService() override;
    SdlMediaService(const SdlMediaService&) = delete;
    SdlMediaService& operator=(const SdlMediaService&) = delete;

    int send(const QByteArray& command, QByteArray* reply) override;
    void post(const QByteArray& command, Answered answered) override;

    // From now on posted commands wait, unanswered, until releaseCommands(): the sound libraries
    // and the device start when the caller chooses (the game: after its first frame), at the
    // rate of the first sound the waiting commands open. A command sent with send() releases
    // them too.
    void holdCommands();
    // Opens the device and answers the waiting commands, in order.
    void releaseCommands();

    static constexpr qint64 defaultMaxEffectBytes = 128 * 1024 * 1024;

private:
    // The music is streamed from its file, so a long piece costs neither start-up time nor
    // memory; an effect is decoded whole, so it starts at once.
    struct Sound {
        Mix_Chunk* chunk = nullptr;  // the effect
        _Mix_Music* music = nullptr; // the music
        bool started = false;        // played since open or seek: no longer at its start
        bool isOpen() const { return chunk != nullptr || music != nullptr; }
    };
    enum class Device { Untried, Open, Missing };
    struct Waiting {
        QByteArray command;
        Answered answered;
    };

    bool deviceReady(const QByteArrayList& commands);
    int open(int channel, const QByteArray& path);
    void close(int channel);
    bool start(int channel);
    void stop(int channel);
    bool isPlaying(int channel) const;

    qint64 maxEffectBytes_;
    const char* driver_;
    Device device_ = Device::Untried;
    const SdlLibrary* sdl_ = nullptr; // while the device is open
    std::array<Sound, 2> sounds_{};   // indexed by mixer channel
    bool holding_ = false;
    std::vector<Waiting> waiting_;
};

} // namespace platform
