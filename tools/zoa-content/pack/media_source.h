#pragma once

#include <QByteArray>
#include <QString>

namespace content {

// A picture or sound source turned into the file the game reads: its bytes, or why the source
// could not be read (then the bytes are empty).
struct ConvertedMedia {
    QByteArray bytes;
    QString problem;
};

// Any picture Qt reads, as an uncompressed 24-bit BMP of the same size; transparent parts are
// laid on white. An animation gives its first frame.
ConvertedMedia pictureAsBmp(const QString& path);

// Any sound libsndfile reads (WAV, Ogg Vorbis, FLAC, ...), as a 16-bit PCM WAV file with the
// same sample rate and channels.
ConvertedMedia soundAsWav(const QString& path);

} // namespace content
