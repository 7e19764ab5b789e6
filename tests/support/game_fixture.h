#pragma once

#include "platform/host_facts.h"
#include "platform/random_source.h"
#include "platform/recording_media_service.h"
#include "support/recording_message_box.h"
#include "support/test_content.h"
#include "window/fom.h"

#include <memory>

// A whole game over a test-made content folder: fixed screen height, recording media service,
// scripted random source and recording message box.
class GameFixture {
public:
    explicit GameFixture(int screenHeightTwips = 16200, const QString& subfolder = QString());

    // Creates the window (loading the game) and shows it (the title).
    Fom& start();
    Fom& fom() { return *fom_; }
    // The media commands sent so far, as text.
    QStringList commands() const;
    void clearCommands() { media.clear(); }
    // The sound effects started so far ("se.wav", "se2.wav"), in order.
    QStringList effectsPlayed() const;
    // Ticks the typing timer n times.
    void tick(int n = 1);

    TestContent content;
    platform::FixedHostFacts host;
    platform::RecordingMediaService media;
    platform::ScriptedRandom random;
    RecordingMessageBox messageBox;

private:
    std::unique_ptr<Fom> fom_;
};
