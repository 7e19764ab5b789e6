// Start-up figures of the real program: time to the painted title, memory and idle CPU there.
#include "bench_table.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <unistd.h>

namespace {

struct Launch {
    double startupMs = -1;
    double peakRssMb = 0;
    double idleCpuPercent = -1;
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

// User plus system CPU time of a process, in seconds.
double cpuSeconds(qint64 pid) {
    const QByteArray stat = procFile(pid, "stat");
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) {
        return 0;
    }
    const double ticks = fields[11].toDouble() + fields[12].toDouble(); // utime, stime
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
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
            QThread::sleep(10);
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
// music is loaded, converted and mixed.
void measureWithSoundDevice(const QString& program) {
    std::vector<double> startup;
    std::vector<double> memory;
    std::vector<double> idle;
    for (int run = 0; run < 3; ++run) {
        const Launch result = launch(program, true, QStringLiteral("dummy"));
        startup.push_back(result.startupMs);
        memory.push_back(result.peakRssMb);
        idle.push_back(result.idleCpuPercent);
    }
    printRow(QStringLiteral("with a sound device (dummy driver): start-up, peak RSS, idle CPU"),
             QStringLiteral("%1 ms, %2 MB, %3 %")
                 .arg(median(startup), 0, 'f', 1)
                 .arg(median(memory), 0, 'f', 1)
                 .arg(median(idle), 0, 'f', 3),
             QStringLiteral("(no target)"));
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
    printRow(QStringLiteral("start-up to the painted title (median of 7)"),
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
