#pragma once

// The real program measured from outside, as a player runs it: a copy of the game with content
// made for the measure, started on the X display, its title clicked with the X test extension,
// and the CPU time of all its threads read from /proc.
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QProcess;
using Display = struct _XDisplay;

// Ends a process the bench started: asked to terminate, killed if it has not within 5 s.
void endProcess(QProcess& process);

// CPU time the process's threads have run so far, in seconds, from the scheduler's nanosecond
// counts (the clock ticks of /proc/<pid>/stat are too coarse for these figures).
double processCpuSeconds(qint64 pid);

// A game folder: the built program with the demo's pictures and sounds, and an event "zoa" that
// shows a picture and types one Japanese line of 30 characters over and over.
class OutsideGame {
public:
    explicit OutsideGame(const QString& build);
    ~OutsideGame();
    OutsideGame(const OutsideGame&) = delete;
    OutsideGame& operator=(const OutsideGame&) = delete;

    bool isReady() const { return display_ != nullptr && ready_; }
    QString musicFile() const;

    // Starts the game (or another program whose window is titled "ZOA") with the environment
    // given and waits until its window shows and its sound has had a second to start. False when
    // it did not show within 20 s.
    bool start(const QProcessEnvironment& environment, const QString& program = QString());
    // Clicks the title picture, as a player starts a story, and moves the pointer away.
    void clickTitle();
    qint64 pid() const;
    // Moves its window into a corner of the screen, so that two programs measured side by side
    // do not cover each other.
    void moveToCorner(Qt::Corner corner);
    void stop();

private:
    unsigned long findWindow() const;
    qint64 windowPid(unsigned long window) const;

    QTemporaryDir folder_;
    bool ready_ = false;
    Display* display_ = nullptr;
    std::unique_ptr<QProcess> process_;
    unsigned long window_ = 0;
};

// The floor of the figures with the music playing (bench/music_floor): SDL2_mixer alone playing a
// music file over and over on SDL's dummy driver, in the output format and with the buffer the
// game chooses for that file, while the object lives.
class MusicFloor {
public:
    MusicFloor(const QString& build, const QString& musicFile);
    ~MusicFloor();
    MusicFloor(const MusicFloor&) = delete;
    MusicFloor& operator=(const MusicFloor&) = delete;

    // 0 when it is not running.
    qint64 pid() const;

private:
    std::unique_ptr<QProcess> process_;
};

// The CPU share of a core that the processes use over the given milliseconds, in percent.
double cpuPercentOver(const QList<qint64>& pids, int milliseconds);

// What the machine itself charges for waking a thread as often as the mixer does (every 46 ms,
// its buffer period at the demo's 22.05 kHz): the calling thread does nothing else for the
// milliseconds given, and returns its own CPU share, in percent. The floor of a sound device.
double wakeFloorPercent(int milliseconds);
