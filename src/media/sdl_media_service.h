#pragma once

#include "media/audio_output.h"
#include "media/media_service.h"

#include <QByteArrayList>
#include <QElapsedTimer>

#include <array>
#include <vector>

struct Mix_Chunk;
struct _Mix_Music;

namespace media {

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
// The audio device is opened on the first command, in the format of the first sound that command
// or the held ones open (see holdCommands). When it cannot be opened (or another service
// already holds the mixer), one warning goes to the "zoa.sound" category and every command
// answers MediaNoDevice; the service still keeps track of what it was asked to open and play.
// Polling the mixer from the calling thread is the only way state is read; the audio thread only
// notes when it last mixed.
//
// An output can go away while the game runs (a sound server restarting, a headset unplugged).
// Each command first looks whether it has: SDL has told so, or nothing has been mixed for half a
// second (SDL's PipeWire driver tells nothing when its server goes). From then on the commands
// are answered as if the output were there, from what the service keeps track of, while it opens
// an output again on the default device of the same driver: at once, then at the first command a
// second or more after each try (the game's music watch sends one every second, so no timer of
// the service's own wakes the program). The same search runs when no device could be had at first.
// Once an output is open again, what was open is opened again and the music that played plays on
// from where it was (or from its start, when no device was had before); an effect that was sounding
// is not played again. One warning tells that the output is lost, one that it is back.
class SdlMediaService : public MediaService {
public:
    // Effect files above maxEffectBytes are refused as unreadable: an effect is converted whole
    // to the device format in memory, which may be many times its size. The music is streamed
    // and has no such limit. The output is opened on the SDL audio driver named ("dummy": none
    // is needed, as for checking sounds); without one, on the machine's own.
    explicit SdlMediaService(qint64 maxEffectBytes = defaultMaxEffectBytes,
                             const QByteArray& driver = {});
    ~SdlMediaService() override;
    SdlMediaService(const SdlMediaService&) = delete;
    SdlMediaService& operator=(const SdlMediaService&) = delete;

    int send(const QByteArray& command, QByteArray* reply) override;
    void post(const QByteArray& command, Answered answered) override;

    // From now on posted commands wait, unanswered, until releaseCommands(): the sound libraries
    // and the device start when the caller chooses (the game: after its first frame), in the
    // format of the first sound the waiting commands open. A command sent with send() releases
    // them too; commands still waiting when the service ends are answered MediaNoDevice, without
    // opening the device.
    void holdCommands();
    // Opens the device and answers the waiting commands, in order.
    void releaseCommands();

    static constexpr qint64 defaultMaxEffectBytes = 128 * 1024 * 1024;
    static constexpr int retryMilliseconds = 1000;

private:
    // The music is streamed from its file, so a long piece costs neither start-up time nor
    // memory; an effect is decoded whole, so it starts at once.
    struct Sound {
        QByteArray path;             // the file open under the alias; empty when none is
        Mix_Chunk* chunk = nullptr;  // the effect, while an output is open
        _Mix_Music* music = nullptr; // the music, while an output is open
        bool started = false;        // played since open or seek: no longer at its start
        bool sounding = false;       // playing, as last known while no output is open
        double position = 0;         // the music's place in seconds when its output was lost
        bool isOpen() const { return !path.isEmpty(); }
    };
    // Untried: no command yet. Missing: no output could be had at first. Lost: the output went
    // away. In both of the last, an output is looked for once a second.
    enum class Device { Untried, Open, Missing, Lost };
    struct Waiting {
        QByteArray command;
        Answered answered;
    };

    bool deviceReady(const QByteArrayList& commands);
    int run(const QByteArray& command, QByteArray* reply);
    int open(int channel, const QByteArray& path);
    int load(int channel, const QByteArray& path, Sound* loaded);
    void close(int channel);
    void unload(int channel);
    bool start(int channel);
    void stop(int channel);
    bool isPlaying(int channel) const;

    // The output's coming and going (sdl_media_output.cpp).
    void lookForDeviceLater(const QByteArray& error);
    void noticeLostOutput();
    void lookForOutput();
    bool openOutput(const QByteArray& driver, QByteArray* error);
    void reopenSounds();

    qint64 maxEffectBytes_;
    Device device_ = Device::Untried;
    const SdlLibrary* sdl_ = nullptr; // while the device is open
    AudioFormat format_;              // of the first output, kept for every later one
    QByteArray driver_;               // named, or of the output that was lost
    QElapsedTimer sinceLook_;         // since an output was last looked for, while none is open
    std::array<Sound, 2> sounds_{};   // indexed by mixer channel
    bool holding_ = false;
    std::vector<Waiting> waiting_;
};

} // namespace media
