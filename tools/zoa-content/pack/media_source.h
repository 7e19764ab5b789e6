#pragma once

#include <QString>

class QIODevice;

namespace content {

// Picture and sound sources written as the files the game reads. Each returns why the source
// could not be read or written, or an empty text; whatever the file holds, broken or hostile,
// what is read stays bounded.

// Any picture Qt reads, as an uncompressed 24-bit BMP of the same size; transparent parts are
// laid on white and an animation gives its first frame. A picture larger than the game reads
// (Qt's allocation limit at 4 bytes a pixel) is refused by the size its header tells.
QString writePictureAsBmp(const QString& path, QIODevice& out);

// Any sound libsndfile reads (WAV, Ogg Vorbis, FLAC, ...), as a 16-bit PCM WAV file with the same
// sample rate and channels. The samples are read piece by piece to the end of the sound, never
// more than maxBytes of them once written; a sound that holds fewer frames than its header
// announces is refused.
QString writeSoundAsWav(const QString& path, QIODevice& out, qint64 maxBytes);

// The most bytes of samples a WAV file can hold.
inline constexpr qint64 largestWaveData = 0xFFFFFFFFLL - 36;

} // namespace content
