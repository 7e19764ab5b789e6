// Start-up figures from inside: the time to the title's first paint and the sound's start after
// it (startup_probe: the game's code as main() runs it), and of the real program, memory and idle
// CPU at the title.
#include "bench_table.h"
#include "outside_game.h"
#include "sound/sound_module.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

namespace {

struct Launch {
    double startupMs = -1;
    double peakRssMb = 0;
    double idleCpuPercent = -1;
    double wakeFloorPercent = -1;  // a bare thread waking as often as the mixer, meanwhile
    double musicFloorPercent = -1; // the music floor given, meanwhile
};

QByteArray procFile(qint64 pid, const char* name) {
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double peakRssMb(qint64 pid) {
    for (const QByteArray& line : procFile(pid, "status").split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

Launch launch(const QString& program, bool measureIdle, const QString& audioDriver = QString(),
              qint64 musicFloorPid = 0) {
    Launch result;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zoa.trace.debug=true"));
    if (!audioDriver.isEmpty()) {
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), audioDriver);
    }
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    QByteArray errors;
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 20000) {
        process.waitForReadyRead(5);
        errors += process.readAllStandardError();
        if (errors.contains("zoa.trace: painted")) {
            result.startupMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    if (result.startupMs >= 0) {
        QThread::msleep(500);
        result.peakRssMb = peakRssMb(process.processId());
        if (measureIdle) {
            const double before = processCpuSeconds(process.processId());
            const double floorBefore = musicFloorPid != 0 ? processCpuSeconds(musicFloorPid) : 0;
            result.wakeFloorPercent = wakeFloorPercent(10000);
            result.idleCpuPercent =
                (processCpuSeconds(process.processId()) - before) / 10.0 * 100.0;
            if (musicFloorPid != 0) {
                result.musicFloorPercent =
                    (processCpuSeconds(musicFloorPid) - floorBefore) / 10.0 * 100.0;
            }
        }
    }
    endProcess(process);
    return result;
}

struct ProbedStart {
    double firstFrameMs = -1;
    double soundMs = -1; // after the first frame
};

// Starts the probe and notes when it tells of its first frame and of its sound.
ProbedStart probe(const QString& build, const QString& audioDriver) {
    ProbedStart result;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("SDL_AUDIODRIVER"));
    if (!audioDriver.isEmpty()) {
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), audioDriver);
    }
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(build + QStringLiteral("/bench/startup_probe"), {build});
    QByteArray told;
    while (process.state() != QProcess::NotRunning && clock.elapsed() < 20000) {
        process.waitForReadyRead(5);
        told += process.readAllStandardOutput();
        const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (result.firstFrameMs < 0 && told.contains("first frame")) {
            result.firstFrameMs = now;
        }
        if (told.contains("sound started")) {
            result.soundMs = now - result.firstFrameMs;
            break;
        }
    }
    endProcess(process);
    return result;
}

// The title's first paint, and the sound's own start after it without a device and with one
// (SDL's dummy driver), each the median of 7 interleaved starts.
void measureFirstPaint(const QString& build) {
    std::vector<double> firstFrame;
    std::vector<double> sound[2];
    for (int run = 0; run < 7; ++run) {
        for (int driver = 0; driver < 2; ++driver) {
            const ProbedStart start =
                probe(build, driver == 0 ? QString() : QStringLiteral("dummy"));
            if (driver == 0) {
                firstFrame.push_back(start.firstFrameMs);
            }
            sound[driver].push_back(start.soundMs);
        }
    }
    printRow(QStringLiteral("start-up to the title's first paint, from inside (median of 7)"),
             QString::number(median(firstFrame), 'f', 1) + QStringLiteral(" ms"),
             QStringLiteral("<= 150 ms"));
    printRow(QStringLiteral("the sound's start after the title's first paint: without a device, "
                            "with the dummy driver (median of 7)"),
             QStringLiteral("%1 ms, %2 ms")
                 .arg(median(sound[0]), 0, 'f', 1)
                 .arg(median(sound[1]), 0, 'f', 1),
             QStringLiteral("(no target)"));
}

// The same figures where a sound device exists (SDL's dummy driver stands in for one): the
// music is streamed from its file and mixed all the time. The idle figure is held to the music
// floor playing side by side with the game, measured over the same 10 s.
void measureWithSoundDevice(const QString& build) {
    std::vector<double> startup;
    std::vector<double> memory;
    std::vector<double> idle;
    std::vector<double> musicFloor;
    std::vector<double> wakeFloor;
    std::vector<double> ratio;
    for (int run = 0; run < 3; ++run) {
        const MusicFloor floor(build, build + QStringLiteral("/dat2/") + sound::musicFile);
        const Launch result =
            launch(build + QStringLiteral("/zoa"), true, QStringLiteral("dummy"), floor.pid());
        startup.push_back(result.startupMs);
        memory.push_back(result.peakRssMb);
        idle.push_back(result.idleCpuPercent);
        wakeFloor.push_back(result.wakeFloorPercent);
        musicFloor.push_back(result.musicFloorPercent);
        ratio.push_back(result.idleCpuPercent / result.musicFloorPercent);
    }
    printRow(QStringLiteral("with a sound device (dummy driver): start-up to the painted title "
                            "and the started sound, peak RSS (median of 3)"),
             QStringLiteral("%1 ms, %2 MB")
                 .arg(median(startup), 0, 'f', 1)
                 .arg(median(memory), 0, 'f', 1),
             QStringLiteral("(no target)"));
    printRow(QStringLiteral("CPU idle at the title with the music playing, dummy driver, 10 s "
                            "(median of 3); floor: SDL2_mixer alone playing the same music on "
                            "the same driver (music_floor), side by side"),
             QStringLiteral("%1 % of a core (%2 x the floor, %3 %; a bare thread waking every "
                            "46 ms meanwhile: %4 %)")
                 .arg(median(idle), 0, 'f', 3)
                 .arg(median(ratio), 0, 'f', 2)
                 .arg(median(musicFloor), 0, 'f', 3)
                 .arg(median(wakeFloor), 0, 'f', 3),
             QStringLiteral("<= 1.2 x the floor"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench <build folder>\n");
        return 2;
    }
    const QString build = QString::fromLocal8Bit(argv[1]);
    const QString program = build + QStringLiteral("/zoa");
    measureFirstPaint(build);
    std::vector<double> memory;
    std::vector<double> idle;
    for (int run = 0; run < 7; ++run) {
        const Launch result = launch(program, run < 3);
        if (result.startupMs < 0) {
            printRow(QStringLiteral("start-up"), QStringLiteral("failed: no painted title"),
                     QStringLiteral("-"));
            return 0;
        }
        memory.push_back(result.peakRssMb);
        if (result.idleCpuPercent >= 0) {
            idle.push_back(result.idleCpuPercent);
        }
    }
    printRow(QStringLiteral("memory at the title, peak RSS (median of 7)"),
             QString::number(median(memory), 'f', 1) + QStringLiteral(" MB"),
             QStringLiteral("<= 50 MB"));
    printRow(QStringLiteral("CPU idle at the title, 10 s (median of 3)"),
             QString::number(median(idle), 'f', 3) + QStringLiteral(" % of a core"),
             QStringLiteral("<= 0.1 %"));
    measureWithSoundDevice(build);
    return 0;
}
