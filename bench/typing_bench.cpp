// Typing as players run it: the real program on the X display, its title clicked, a Japanese
// line of 30 characters typed over and over at 100 ms a character with a picture shown and the
// pointer away; the CPU time of all its threads over 10 s of steady typing, as a ratio to floors
// measured in the same run, interleaved with it: typing_floor, a bare Qt window drawing the
// characters of the same line as often, measured the same way; with a sound device, that floor
// plus a bare thread waking as often as the mixer, meanwhile.
#include "bench_table.h"
#include "outside_game.h"

#include <QCoreApplication>
#include <QThread>

namespace {

constexpr int settleMilliseconds = 1500; // the first line's start and its sound
constexpr int measureMilliseconds = 10000;
constexpr int runs = 5; // each figure moves by a few hundredths of a percent between runs

struct Typing {
    std::vector<double> percent;
    std::vector<double> wakeFloorPercent; // measured meanwhile, with a sound device
};

// One run, a fresh start: the game's title is clicked; the floor program types at once. False
// when the window did not show.
bool measureTyping(OutsideGame& game, const QProcessEnvironment& environment, Typing& typing,
                   const QString& floor = QString()) {
    if (!game.start(environment, floor)) {
        return false;
    }
    if (floor.isEmpty()) {
        game.clickTitle();
    }
    QThread::msleep(settleMilliseconds);
    const double before = processCpuSeconds(game.pid());
    typing.wakeFloorPercent.push_back(wakeFloorPercent(measureMilliseconds));
    typing.percent.push_back((processCpuSeconds(game.pid()) - before) /
                             (measureMilliseconds / 1000.0) * 100.0);
    game.stop();
    return true;
}

QString figure(const QString& device, const QString& floor) {
    return QStringLiteral("CPU while typing at 100 ms a character, %1, as a ratio to %2: the "
                          "real program from outside, all threads, 10 s (median of 5, "
                          "interleaved); floor: a bare Qt window drawing the same characters as "
                          "often")
        .arg(device, floor);
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
    QProcessEnvironment silent = QProcessEnvironment::systemEnvironment();
    silent.remove(QStringLiteral("QT_LOGGING_RULES"));
    silent.remove(QStringLiteral("SDL_AUDIODRIVER"));
    silent.remove(QStringLiteral("PULSE_SERVER"));
    silent.insert(QStringLiteral("XDG_RUNTIME_DIR"), noServer.path());
    QProcessEnvironment dummy = silent;
    dummy.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    const QString floorProgram =
        QString::fromLocal8Bit(argv[1]) + QStringLiteral("/bench/typing_floor");
    Typing floor;
    Typing withoutDevice;
    Typing withDevice;
    for (int run = 0; run < runs; ++run) {
        if (!measureTyping(game, silent, floor, floorProgram) ||
            !measureTyping(game, silent, withoutDevice) ||
            !measureTyping(game, dummy, withDevice)) {
            printRow(QStringLiteral("CPU while typing, from outside"), QStringLiteral("no window"),
                     QStringLiteral("-"));
            return 0;
        }
    }
    const double floorPercent = median(floor.percent);
    const double silentPercent = median(withoutDevice.percent);
    printRow(figure(QStringLiteral("no sound device"), QStringLiteral("the floor")),
             QStringLiteral("%1 x (%2 % of a core against %3 %)")
                 .arg(silentPercent / floorPercent, 0, 'f', 2)
                 .arg(silentPercent, 0, 'f', 3)
                 .arg(floorPercent, 0, 'f', 3),
             QStringLiteral("<= 1.1 x"));
    const double mixing = median(withDevice.percent);
    const double wakeFloor = median(withDevice.wakeFloorPercent);
    printRow(figure(QStringLiteral("the music playing, dummy driver"),
                    QStringLiteral("the floor plus a bare thread waking every 46 ms, meanwhile")),
             QStringLiteral("%1 x (%2 % of a core against %3 % + %4 %)")
                 .arg(mixing / (floorPercent + wakeFloor), 0, 'f', 2)
                 .arg(mixing, 0, 'f', 3)
                 .arg(floorPercent, 0, 'f', 3)
                 .arg(wakeFloor, 0, 'f', 3),
             QStringLiteral("<= 1.1 x"));
    return 0;
}
