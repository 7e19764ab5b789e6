// Start-up figures of the real program, from inside: time to its trace line "painted", which
// comes once the sound has started (or failed to), memory and idle CPU at the title.
#include "bench_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <ctime>

namespace {

struct Launch {
    double startupMs = -1;
    double peakRssMb = 0;
    double idleCpuPercent = -1;
    double wakeFloorPercent = -1; // a bare thread waking as often as the mixer, meanwhile
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

// CPU time the process's threads have run, in seconds, read from the scheduler's nanosecond
// counts (the clock ticks of /proc/<pid>/stat are too coarse for idle figures).
double cpuSeconds(qint64 pid) {
    double nanoseconds = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly)) {
            nanoseconds += schedstat.readAll().split(' ').first().toDouble();
        }
    }
    return nanoseconds / 1e9;
}

// What the machine itself charges for waking a thread as often as the mixer does (every 46 ms,
// its buffer period at the demo's 22.05 kHz) for 10 s: the floor of the idle figure with a sound
// device.
double wakeFloorPercent() {
    const auto threadCpuSeconds = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    };
    const double before = threadCpuSeconds();
    for (int wake = 0; wake < 10000 / 46; ++wake) {
        QThread::msleep(46);
    }
    return (threadCpuSeconds() - before) / 10.0 * 100.0;
}

Launch launch(const QString& program, bool measureIdle, const QString& audioDriver = QString()) {
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
            const double before = cpuSeconds(process.processId());
            result.wakeFloorPercent = wakeFloorPercent();
            result.idleCpuPercent = (cpuSeconds(process.processId()) - before) / 10.0 * 100.0;
        }
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    return result;
}

// The same figures where a sound device exists (SDL's dummy driver stands in for one): the
// music is streamed from its file and mixed all the time.
void measureWithSoundDevice(const QString& program) {
    std::vector<double> startup;
    std::vector<double> memory;
    std::vector<double> idle;
    std::vector<double> floor;
    for (int run = 0; run < 3; ++run) {
        const Launch result = launch(program, true, QStringLiteral("dummy"));
        startup.push_back(result.startupMs);
        memory.push_back(result.peakRssMb);
        idle.push_back(result.idleCpuPercent);
        floor.push_back(result.wakeFloorPercent);
    }
    printRow(QStringLiteral("with a sound device (dummy driver): start-up to the painted title "
                            "and the started sound, peak RSS (median of 3)"),
             QStringLiteral("%1 ms, %2 MB")
                 .arg(median(startup), 0, 'f', 1)
                 .arg(median(memory), 0, 'f', 1),
             QStringLiteral("(no target)"));
    printRow(QStringLiteral("CPU idle at the title with the music playing, dummy driver, 10 s "
                            "(median of 3); floor: a thread waking every 46 ms, meanwhile"),
             QStringLiteral("%1 % of a core (%2 x the floor, %3 %)")
                 .arg(median(idle), 0, 'f', 3)
                 .arg(median(idle) / median(floor), 0, 'f', 1)
                 .arg(median(floor), 0, 'f', 3),
             QStringLiteral("<= 0.1 %"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench <build folder>\n");
        return 2;
    }
    const QString program = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/zoa");
    std::vector<double> startup;
    std::vector<double> memory;
    std::vector<double> idle;
    for (int run = 0; run < 7; ++run) {
        const Launch result = launch(program, run < 3);
        if (result.startupMs < 0) {
            printRow(QStringLiteral("start-up"), QStringLiteral("failed: no painted title"),
                     QStringLiteral("-"));
            return 0;
        }
        startup.push_back(result.startupMs);
        memory.push_back(result.peakRssMb);
        if (result.idleCpuPercent >= 0) {
            idle.push_back(result.idleCpuPercent);
        }
    }
    printRow(QStringLiteral("start-up to the painted title and the sound tried (median of 7)"),
             QString::number(median(startup), 'f', 1) + QStringLiteral(" ms"),
             QStringLiteral("<= 150 ms"));
    printRow(QStringLiteral("memory at the title, peak RSS (median of 7)"),
             QString::number(median(memory), 'f', 1) + QStringLiteral(" MB"),
             QStringLiteral("<= 50 MB"));
    printRow(QStringLiteral("CPU idle at the title, 10 s (median of 3)"),
             QString::number(median(idle), 'f', 3) + QStringLiteral(" % of a core"),
             QStringLiteral("<= 0.1 %"));
    measureWithSoundDevice(program);
    return 0;
}
