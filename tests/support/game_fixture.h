#pragma once

#include "host/host_facts.h"
#include "scripted-random/scripted_random.h"
#include "support/recording_media_service.h"
#include "support/recording_message_box.h"
#include "support/test_content.h"
#include "support/trace_recorder.h"
#include "window/fom.h"

#include <memory>

// A whole game over a test-made content folder: fixed screen height, recording media service,
// scripted random source, recording message box and the trace.
class GameFixture {
public:
    explicit GameFixture(int screenHeightTwips = 16200, const QString& subfolder = QString());

    // Creates the window (loading the game) and shows it (the title).
    Fom& start();
    Fom& fom() { return *fom_; }
    // The media commands sent so far, as text.
    QStringList commands() const;
    void clearCommands() { media.clear(); }

    // Runs steps through the game's handlers, separated by blanks, and returns what happened
    // meanwhile as the short trace: trace lines joined by " | ", effects by name ("se", "se2"),
    // warnings as "warning <file below the content folder>", other media commands left out.
    //   tN ticks  k skip (text window click)  pleft, pright, pmiddle title press with that button
    //   aI answer caption I  dI press on caption I  sV selector value  f face click
    //   e:EVENT[:PICTURE] IveStt  r:R,... random draws from now on
    //   c:A0,A1,A2,A3,A4,ANSWERS counters  x:FILE remove a file of the content folder
    //   w:EVENT:LINE/LINE/... write a script
    // A malformed step ("s", "px", "t1x") stops the test with a message naming it.
    QString play(const QString& steps);
    // The short trace of the trace lines from the given index on.
    QString shortTrace(qsizetype from = 0) const;
    // The text window's caption, line breaks shown as "/".
    QString shown() const;
    // The screen in short: "typing", "script" (open), "choice[<caption 0>|<caption 1>]" with "*"
    // after a caption in the pressed look, "title" (Img takes presses), "img=<picture>",
    // "face=<picture>".
    QString state() const;
    // "A0 A1 A2 A3 A4 | answerCount".
    QString counters() const;

    TestContent content;
    host::FixedHostFacts host;
    media::RecordingMediaService media;
    ScriptedRandom random;
    RecordingMessageBox messageBox;
    TraceRecorder trace;

private:
    void step(const QString& token);
    QString shortLine(const QString& line) const;

    std::unique_ptr<Fom> fom_;
};
