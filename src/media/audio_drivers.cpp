#include "media/audio_drivers.h"

#include "media/sdl_library.h"

#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>

namespace media {

namespace {

bool hasPcmDeviceNodes() {
    return !QDir(QStringLiteral("/dev/snd"))
                .entryList({QStringLiteral("pcmC*")}, QDir::System)
                .isEmpty();
}

// Whether a PipeWire server's socket is where libpipewire looks for it: PIPEWIRE_REMOTE (a name,
// or a path) in the first of PIPEWIRE_RUNTIME_DIR, XDG_RUNTIME_DIR and USERPROFILE that is set,
// or in the system-wide folder.
bool pipewireSocketExists() {
    const QString remote = qEnvironmentVariable("PIPEWIRE_REMOTE", QStringLiteral("pipewire-0"));
    if (remote.startsWith(QLatin1Char('/'))) {
        return QFileInfo::exists(remote);
    }
    for (const char* folder : {"PIPEWIRE_RUNTIME_DIR", "XDG_RUNTIME_DIR", "USERPROFILE"}) {
        if (!qEnvironmentVariableIsEmpty(folder)) {
            return QFileInfo::exists(qEnvironmentVariable(folder) + QLatin1Char('/') + remote) ||
                   QFileInfo::exists(QStringLiteral("/run/pipewire/") + remote);
        }
    }
    return QFileInfo::exists(QStringLiteral("/run/pipewire/") + remote);
}

bool pulseAudioSocketExists() {
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        return true; // a server named, perhaps on another machine: only trying tells
    }
    const QString folder = qEnvironmentVariableIsEmpty("PULSE_RUNTIME_PATH")
                               ? qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse")
                               : qEnvironmentVariable("PULSE_RUNTIME_PATH");
    return QFileInfo::exists(folder + QStringLiteral("/native")) ||
           QFileInfo::exists(QStringLiteral("/run/pulse/native"));
}

// Drivers that fail slowly where they cannot work are not tried there. Without PCM device nodes,
// ALSA, and sndio through its ALSA back end, each spend about 100 ms reading ALSA's configuration
// before they fail (sndio is still tried when AUDIODEVICE names a server for it); without its
// socket, PipeWire spends 2 ms loading its plugins, which counts when a missing device is looked
// for once a second.
bool mayWork(const QByteArray& driver, bool pcmDevices) {
    if (driver == "alsa") {
        return pcmDevices;
    }
    if (driver == "sndio") {
        return pcmDevices || !qEnvironmentVariableIsEmpty("AUDIODEVICE");
    }
    if (driver == "pipewire") {
        return pipewireSocketExists();
    }
    return driver != "dummy" && driver != "disk";
}

} // namespace

QByteArray audioDriversToTry(const SdlLibrary& sdl) {
    if (!qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
        return qgetenv("SDL_AUDIODRIVER");
    }
    const bool pcmDevices = hasPcmDeviceNodes();
    QByteArrayList drivers;
    for (int i = 0; i < sdl.SDL_GetNumAudioDrivers(); ++i) {
        const QByteArray name(sdl.SDL_GetAudioDriver(i));
        if (mayWork(name, pcmDevices)) {
            drivers.append(name);
        }
    }
    return drivers.join(',');
}

bool pipewireFirst(const SdlLibrary& sdl) {
    if (!qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER") || !pipewireSocketExists()) {
        return false;
    }
    for (int i = 0; i < sdl.SDL_GetNumAudioDrivers(); ++i) {
        if (QByteArray(sdl.SDL_GetAudioDriver(i)) == "pipewire") {
            return true;
        }
    }
    return false;
}

bool audioOutputMayBeThere() {
    return !qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER") || hasPcmDeviceNodes() ||
           pulseAudioSocketExists() || pipewireSocketExists() ||
           QFileInfo::exists(QStringLiteral("/dev/dsp"));
}

} // namespace media
