#pragma once

#include <QString>

namespace media {

// What the start of a RIFF WAVE file tells, read from a regular file only (a named pipe or a
// device could block the reader or never end).
struct WaveHeader {
    bool isWave = false; // it starts as a RIFF WAVE file does
    int rate = 0;        // frames a second, from its format chunk; 0 without one
    int channels = 0;
};

WaveHeader readWaveHeader(const QString& path);

} // namespace media
