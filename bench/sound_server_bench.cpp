// The music through a desktop sound server, as players hear it: the real program on the X display
// with the private PipeWire, WirePlumber and pipewire-pulse that bench/run-benches starts (their
// process ids in ZOA_SOUND_SERVER_PIDS), idle at its title and typing. The CPU of the game and of
// the server (pipewire, pipewire-pulse) side by side with a floor measured in the same run: pw-play
// playing the same music file at the game's latency; while typing, plus the floor of the drawing,
// typing_floor (a bare Qt window drawing the same characters as often).
#include "bench_table.h"
#include "outside_game.h"

#include <QCoreApplication>
#include <QProcess>
#include <QThread>

namespace {

constexpr int measureMilliseconds = 5000;

// CPU shares of a player and of the server beside it, in percent of a core.
struct Shares {
    std::vector<double> player;
    std::vector<double> server;
    double total() const { return median(player) + median(server); }
};

void measureBeside(qint64 player, const QList<qint64>& server, Shares& shares) {
    const double before = processCpuSeconds(player);
    const double serverShare = cpuPercentOver(server, measureMilliseconds);
    shares.player.push_back((processCpuSeconds(player) - before) * 1000.0 / measureMilliseconds *
                            100.0);
    shares.server.push_back(serverShare);
}

QString describe(const Shares& game, const Shares& floor, const std::vector<double>& drawing = {}) {
    const QString drawn = drawing.empty()
                              ? QString()
                              : QStringLiteral(" + drawing %1 %").arg(median(drawing), 0, 'f', 3);
    const double floorTotal = floor.total() + (drawing.empty() ? 0 : median(drawing));
    return QStringLiteral("%1 % + %2 % = %3 % (floor %4 % + %5 %%6 = %7 %): %8 x")
        .arg(median(game.player), 0, 'f', 3)
        .arg(median(game.server), 0, 'f', 3)
        .arg(game.total(), 0, 'f', 3)
        .arg(median(floor.player), 0, 'f', 3)
        .arg(median(floor.server), 0, 'f', 3)
        .arg(drawn)
        .arg(floorTotal, 0, 'f', 3)
        .arg(game.total() / floorTotal, 0, 'f', 2);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QList<qint64> server;
    for (const QByteArray& pid : qgetenv("ZOA_SOUND_SERVER_PIDS").split(' ')) {
        if (pid.toLongLong() > 0) {
            server.append(pid.toLongLong());
        }
    }
    OutsideGame game(QString::fromLocal8Bit(argc > 1 ? argv[1] : "."));
    if (server.size() != 2 || !game.isReady()) {
        printRow(QStringLiteral("CPU with the music through PipeWire"),
                 QStringLiteral("no PipeWire server, X display or game"), QStringLiteral("-"));
        return 0;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("SDL_AUDIODRIVER"));
    Shares idle;
    Shares typing;
    Shares floor;
    std::vector<double> drawing;
    const QString drawingFloor =
        QString::fromLocal8Bit(argc > 1 ? argv[1] : ".") + QStringLiteral("/bench/typing_floor");
    for (int run = 0; run < 3; ++run) {
        QProcess player;
        player.start(QStringLiteral("pw-play"),
                     {QStringLiteral("--latency=46ms"), game.musicFile()});
        QThread::msleep(1000);
        measureBeside(player.processId(), server, floor);
        player.kill();
        player.waitForFinished();
        if (!game.start(environment)) {
            printRow(QStringLiteral("CPU with the music through PipeWire"),
                     QStringLiteral("no window"), QStringLiteral("-"));
            return 0;
        }
        measureBeside(game.pid(), server, idle);
        game.clickTitle();
        QThread::msleep(1500);
        measureBeside(game.pid(), server, typing);
        game.stop();
        if (!game.start(environment, drawingFloor)) {
            printRow(QStringLiteral("CPU with the music through PipeWire"),
                     QStringLiteral("no window of the drawing floor"), QStringLiteral("-"));
            return 0;
        }
        QThread::msleep(1500);
        drawing.push_back(cpuPercentOver({game.pid()}, measureMilliseconds));
        game.stop();
    }
    const QString figure = QStringLiteral(
        "CPU %1 with the music through PipeWire: the game + the server (pipewire, "
        "pipewire-pulse), 5 s (median of 3); floor: pw-play playing the same music at the "
        "game's latency (46 ms) + the server, meanwhile%2");
    printRow(figure.arg(QStringLiteral("idle at the title"), QString()), describe(idle, floor),
             QStringLiteral("<= 1.2 x"));
    printRow(figure.arg(QStringLiteral("while typing at 100 ms a character"),
                        QStringLiteral(", + a bare Qt window drawing the same characters as "
                                       "often (typing_floor)")),
             describe(typing, floor, drawing), QStringLiteral("<= 1.2 x"));
    return 0;
}
