// Typing as players run it: the real program on the X display, its title clicked, a Japanese
// line of 30 characters typed over and over at 100 ms a character with a picture shown and the
// pointer away; the CPU time of all its threads over 5 s of steady typing. Floor: typing_floor,
// a bare Qt window drawing the characters of the same line as often, measured the same way.
#include "bench_table.h"
#include "outside_game.h"

#include <QCoreApplication>
#include <QThread>

namespace {

constexpr int settleMilliseconds = 1500; // the first line's start and its sound
constexpr int measureMilliseconds = 5000;

// The median of three runs, each a fresh start; -1 when the window did not show. The game's title
// is clicked; the floor program types at once.
double typingCpuPercent(OutsideGame& game, const QProcessEnvironment& environment,
                        const QString& floor = QString()) {
    std::vector<double> runs;
    for (int run = 0; run < 3; ++run) {
        if (!game.start(environment, floor)) {
            return -1;
        }
        if (floor.isEmpty()) {
            game.clickTitle();
        }
        QThread::msleep(settleMilliseconds);
        runs.push_back(cpuPercentOver({game.pid()}, measureMilliseconds));
        game.stop();
    }
    return median(runs);
}

QString percent(double value) {
    return value < 0 ? QStringLiteral("no window")
                     : QString::number(value, 'f', 3) + QStringLiteral(" %");
}

void printTyping(const QString& device, double game, double floor, const QString& target) {
    printRow(QStringLiteral("CPU while typing at 100 ms a character, %1: the real program from "
                            "outside, all threads, 5 s (median of 3); floor: a bare Qt window "
                            "drawing the same characters as often")
                 .arg(device),
             QStringLiteral("%1 of a core (floor %2)").arg(percent(game), percent(floor)), target);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: typing_bench <build folder>\n");
        return 2;
    }
    OutsideGame game(QString::fromLocal8Bit(argv[1]));
    if (!game.isReady()) {
        printRow(QStringLiteral("CPU while typing, from outside"),
                 QStringLiteral("no X display or no game to copy"), QStringLiteral("-"));
        return 0;
    }
    // Without a device: no sound server where the game looks for one, as on this machine.
    QTemporaryDir noServer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.remove(QStringLiteral("SDL_AUDIODRIVER"));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), noServer.path());
    const QString floor = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench/typing_floor");
    const double floorPercent = typingCpuPercent(game, environment, floor);
    printTyping(QStringLiteral("no sound device"), typingCpuPercent(game, environment),
                floorPercent, QStringLiteral("<= 0.3 %"));
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    printTyping(QStringLiteral("the music playing, dummy driver"),
                typingCpuPercent(game, environment), floorPercent, QStringLiteral("<= 0.5 %"));
    return 0;
}
