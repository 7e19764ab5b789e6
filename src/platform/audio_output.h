#pragma once

#include <QByteArrayList>

namespace platform {

struct SdlLibrary;

// The sample rate for an output opened for these commands: that of the first sound they open,
// when it is a usual rate (22,050 to 48,000 Hz), so that a game whose sounds share one rate
// mixes them without resampling; otherwise 44,100 Hz.
int outputRateFor(const QByteArrayList& commands);

// SDL_mixer's output (16-bit stereo at the given rate) on the default device, one per process,
// for one media service at a time. With a driver named, only that SDL audio driver is tried;
// otherwise the desktop's PipeWire server when it plays sound, else the drivers that may work on
// this machine, in SDL's order. Returns the SDL functions, or null with the reason in *error when
// no device can be had or another service holds the output.
const SdlLibrary* openAudioOutput(int rate, const QByteArray& driver, QByteArray* error);
void closeAudioOutput();

// The SDL audio driver of the open output.
QByteArray audioOutputDriver();
// Whether the open output is gone: SDL has told that its device was removed (or its sound server
// went away), or nothing has been mixed for half a second.
bool audioOutputGone();

} // namespace platform
