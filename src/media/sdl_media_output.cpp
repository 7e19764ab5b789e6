// The media service's output: looked for once a second while none can be had, and given back what
// it played once it is there again.
#include "media/audio_drivers.h"
#include "media/audio_output.h"
#include "media/sdl_library.h"
#include "media/sdl_media_service.h"

#include <QLoggingCategory>

namespace media {

namespace {
Q_LOGGING_CATEGORY(zoaSound, "zoa.sound", QtWarningMsg)
}

// No output could be had at first: one warning, and a look once a second from now on.
void SdlMediaService::lookForDeviceLater(const QByteArray& error) {
    qCWarning(zoaSound) << "no audio device, the game runs without sound until one is found:"
                        << error.constData();
    sinceLook_.start();
}

bool SdlMediaService::openOutput(const QByteArray& driver, QByteArray* error) {
    sdl_ = openAudioOutput(format_, driver, error);
    if (sdl_ == nullptr) {
        return false;
    }
    sdl_->Mix_AllocateChannels(static_cast<int>(sounds_.size()));
    device_ = Device::Open;
    return true;
}

// Keeps what the output played, lets the output go and starts looking for another.
void SdlMediaService::noticeLostOutput() {
    if (device_ != Device::Open || !audioOutputGone()) {
        return;
    }
    driver_ = audioOutputDriver();
    for (int channel = 0; channel < static_cast<int>(sounds_.size()); ++channel) {
        Sound& sound = sounds_[channel];
        const bool playing = isPlaying(channel);
        if (sound.music != nullptr) {
            sound.position = sdl_->Mix_GetMusicPosition(sound.music);
        }
        unload(channel);
        sound.sounding = playing;
    }
    closeAudioOutput();
    sdl_ = nullptr;
    device_ = Device::Lost;
    qCWarning(zoaSound) << "the sound output is lost; the game plays on silently and looks for it "
                           "again every second";
    lookForOutput(); // a restarting server may be back already
}

// Looks for an output (at most once a second, see send()): after a loss on the driver that had
// it; where there was none at first, whenever a server or device may have come.
void SdlMediaService::lookForOutput() {
    const bool lost = device_ == Device::Lost;
    sinceLook_.start();
    QByteArray error;
    if ((!lost && !audioOutputMayBeThere()) || !openOutput(driver_, &error)) {
        return;
    }
    sinceLook_.invalidate();
    reopenSounds();
    qCWarning(zoaSound) << (lost ? "the sound output is back"
                                 : "an audio device is found, the game plays with sound");
}

// Opens what was open on the new output; the music that was sounding plays on from where it was
// (from its start when that is not known). A sound whose file cannot be read any more is closed.
void SdlMediaService::reopenSounds() {
    for (int channel = 0; channel < static_cast<int>(sounds_.size()); ++channel) {
        Sound& sound = sounds_[channel];
        Sound loaded;
        if (!sound.isOpen() || load(channel, sound.path, &loaded) != MediaOk) {
            sound = Sound{};
            continue;
        }
        sound.chunk = loaded.chunk;
        sound.music = loaded.music;
        if (sound.music != nullptr && sound.sounding && start(channel) && sound.position > 0) {
            sdl_->Mix_SetMusicPosition(sound.position);
        }
        sound.sounding = false;
        sound.position = 0;
    }
}

} // namespace media
