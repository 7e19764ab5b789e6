#pragma once

#include <QByteArrayList>

namespace media {

struct SdlLibrary;

struct AudioFormat {
    int rate = 0;     // frames a second
    int channels = 0; // 1 or 2
};

// The format of an output opened for these commands: the rate and channels of the first sound
// they open, so that a game whose sounds share one format mixes them without converting (mono
// sounds on a mono output: the sound server plays it on every speaker). A rate outside 22,050 to
// 48,000 Hz gives 44,100 Hz; without a sound to go by, 44,100 Hz stereo.
AudioFormat outputFormatFor(const QByteArrayList& commands);

// The frames of the output's buffer at a rate: the mixer wakes once a buffer, and an effect
// starts at the latest one buffer after its play command.
int outputBufferFrames(int rate);

// SDL_mixer's output (16-bit, of the given format) on the default device, one per process,
// for one media service at a time. With a driver named, only that SDL audio driver is tried;
// otherwise the desktop's PipeWire server when it plays sound, else the drivers that may work on
// this machine, in SDL's order. Returns the SDL functions, or null with the reason in *error when
// no device can be had or another service holds the output.
const SdlLibrary* openAudioOutput(const AudioFormat& format, const QByteArray& driver,
                                  QByteArray* error);
void closeAudioOutput();

// The SDL audio driver of the open output.
QByteArray audioOutputDriver();
// Whether the open output is gone: SDL has told that its device was removed (or its sound server
// went away), or nothing has been mixed for half a second.
bool audioOutputGone();

} // namespace media
