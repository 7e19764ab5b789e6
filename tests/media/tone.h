#pragma once

#include <QByteArray>
#include <QList>

// Test sounds and their detection in mixed output.
namespace tone {

constexpr int rate = 44100;

// A mono 16-bit PCM WAV file holding a sine of the given frequency, length and peak amplitude
// (a fraction of full scale).
QByteArray sineWav(double frequency, int milliseconds, double amplitude = 0.3);

// The left channel of raw interleaved 16-bit stereo output, in native byte order, as fractions
// of full scale.
QList<double> leftChannel(const QByteArray& rawStereo16);

// The peak amplitude of the sine of the given frequency in samples [start, start + count),
// by the Goertzel filter: about the sine's amplitude when it fills the window, near 0 without it.
double level(const QList<double>& samples, qsizetype start, qsizetype count, double frequency);

} // namespace tone
