#pragma once

#include <QString>

struct SDL_RWops;

namespace media {

// A file for SDL to read the music from as it plays, read ahead a large piece at a time: the
// mixer asks for a few kilobytes and for its position at every buffer, and a stdio file answers
// both with system calls each time. Null when the file cannot be opened. Closing it (as the
// mixer does when it frees the music) closes the file.
SDL_RWops* openReadAheadFile(const QString& path);

} // namespace media
