#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>

namespace host {
class HostFacts;
class LogPlace;
} // namespace host

namespace media {
class MediaService;
}

namespace sound {

// The music the game opens at load and loops; every other sound it plays is an effect.
inline constexpr QLatin1String musicFile("bgm.wav");

// The game's only way to make sound (the shared functions, 共用関数): background music under the
// alias "MIDI", one sound effect at a time under the alias "WAVE". Answers of the media service
// are never acted on: a sound that cannot play is absent, with one content warning per file.
class SoundModule {
public:
    SoundModule(media::MediaService& media, const host::HostFacts& host);

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
    using Answered = std::function<void(int code, const host::LogPlace& place)>;
    void post(const QString& command, const Answered& answered = {});
    void openSound(const QString& WAVFileName, const QString& alias);

    media::MediaService& media_;
    const host::HostFacts& host_;
    // Sound files already warned about as unplayable; shared with answers still to come.
    std::shared_ptr<QSet<QString>> reportedSounds_ = std::make_shared<QSet<QString>>();
};

} // namespace sound
