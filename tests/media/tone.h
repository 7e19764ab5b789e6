#pragma once

#include <QByteArray>
#include <QList>

namespace media {
class SdlMediaService;
}

// Test sounds, their detection in mixed output, and waiting for a sound's state.
namespace tone {

constexpr int rate = 44100;

// A mono 16-bit PCM WAV file holding a sine of the given frequency, length and peak amplitude
// (a fraction of full scale).
QByteArray sineWav(double frequency, int milliseconds, double amplitude = 0.3);

// The first channel of raw interleaved 16-bit output, in native byte order, as fractions of full
// scale.
QList<double> firstChannel(const QByteArray& raw16, int channels);

// The peak amplitude of the sine of the given frequency in samples [start, start + count),
// by the Goertzel filter: about the sine's amplitude when it fills the window, near 0 without it.
double level(const QList<double>& samples, qsizetype start, qsizetype count, double frequency);

// The reply of "status <alias> mode", empty when the query fails.
QByteArray status(media::SdlMediaService& media, const char* alias);

// Waits, in short steps and at most three seconds, until the alias reports the state.
bool waitForStatus(media::SdlMediaService& media, const char* alias, const QByteArray& state);

// Tells through SDL's own event queue that the open output device is gone, as SDL does when a
// device is unplugged or a sound server goes away.
void removeOutputDevice();

} // namespace tone
