#pragma once

#include <QByteArray>
#include <QString>

namespace platform {
class HostFacts;
class MediaService;
} // namespace platform

namespace sound {

// The game's only way to make sound (the shared functions, 共用関数): background music under the
// alias "MIDI", one sound effect at a time under the alias "WAVE". Answers of the media service
// are never acted on; a sound that cannot play is silently absent.
class SoundModule {
public:
    SoundModule(platform::MediaService& media, const platform::HostFacts& host);

    // Whether the music watch restarts the music when it has stopped; set by BgmStt, never cleared.
    bool bgmLoop = false;

    void BgmOpn(const QString& WAVFileName);
    void BgmStt();
    void BgmCls();
    void SeStt(const QString& WAVFileName);

    // Sends one command, traced as "media <command> -> <code>"; returns the service's code.
    int send(const QString& command, QByteArray* reply = nullptr);
    // The sound file's path: the program's folder, "dat2/" and the name, rebuilt on every call.
    QString soundPath(const QString& WAVFileName) const;

private:
    QString openCommand(const QString& WAVFileName, const QString& alias) const;

    platform::MediaService& media_;
    const platform::HostFacts& host_;
};

} // namespace sound
