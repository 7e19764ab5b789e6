#pragma once

#include <QByteArray>

namespace media {

struct SdlLibrary;

// SDL's audio drivers that may work on this machine, in SDL's order, as a list for
// SDL_HINT_AUDIODRIVER; or the driver chosen with SDL_AUDIODRIVER, as it stands. Drivers that
// fail slowly where they cannot work are left out there.
QByteArray audioDriversToTry(const SdlLibrary& sdl);

// Whether the desktop's PipeWire server is to be asked first: its socket is there (and no driver
// is chosen with SDL_AUDIODRIVER). Whether it plays sound, and not only video, the output's
// opening finds out.
bool pipewireFirst(const SdlLibrary& sdl);

// Whether a sound server or device may be there to open: a PulseAudio or PipeWire socket, PCM
// device nodes, an OSS device, or a server or driver named in the environment. Looking costs
// microseconds; trying SDL's drivers costs half a millisecond even where there is nothing.
bool audioOutputMayBeThere();

} // namespace media
