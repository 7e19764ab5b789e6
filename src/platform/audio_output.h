#pragma once

#include <QByteArrayList>

namespace platform {

struct SdlLibrary;

// The sample rate for an output opened for these commands: that of the first sound they open,
// when it is a usual rate (22,050 to 48,000 Hz), so that a game whose sounds share one rate
// mixes them without resampling; otherwise 44,100 Hz.
int outputRateFor(const QByteArrayList& commands);

// SDL_mixer's output (16-bit stereo at the given rate), one per process, for one media service
// at a time, on the given SDL audio driver unless SDL_AUDIODRIVER names one (null: the machine's
// own). Returns the SDL functions, or null after one "zoa.sound" warning when there is no sound
// device or another service holds the output.
const SdlLibrary* openAudioOutput(int rate, const char* driver = nullptr);
void closeAudioOutput();

} // namespace platform
