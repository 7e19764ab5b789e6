// Typing as players run it: the real program on the X display, its title clicked, a Japanese
// line of 30 characters typed over and over at 100 ms a character with a picture shown and the
// pointer away; the CPU time of all its threads as a ratio to floors running side by side with
// it, measured over the same windows of 10 s: typing_floor, a bare Qt window drawing the
// characters of the same line as often; with a sound device, that floor and music_floor,
// SDL2_mixer alone playing the same music on the same driver. Measured side by side, the game
// and its floors meet the same state of the machine, whose cost of waking a thread moves by
// half from one minute to the next.
#include "bench_table.h"
#include "outside_game.h"

#include <QCoreApplication>
#include <QThread>

#include <optional>

namespace {

constexpr int settleMilliseconds = 1500; // the first line's start and its sound
constexpr int windowMilliseconds = 10000;
constexpr std::size_t windows = 5;
constexpr std::size_t starts = 2; // fresh starts of the game and its floors, each of 5 windows

// CPU shares of a core over one window, in percent.
struct Shares {
    double game = 0;
    double drawingFloor = 0;
    double musicFloor = 0;
    double wakeFloor = 0; // a bare thread of this program waking as often as the mixer
};

double cpuSecondsOf(qint64 pid) {
    return pid != 0 ? processCpuSeconds(pid) : 0;
}

double percentOfCore(double cpuSeconds) {
    return cpuSeconds / (windowMilliseconds / 1000.0) * 100.0;
}

// The game typing in one corner and the drawing floor in another, with the music floor beside
// them when a build folder is given for it; empty when a window did not show.
std::vector<Shares> measureSideBySide(OutsideGame& game, OutsideGame& floor,
                                      const QProcessEnvironment& environment,
                                      const QString& floorProgram,
                                      const QString& musicFloorBuild = QString()) {
    std::optional<MusicFloor> music;
    if (!musicFloorBuild.isEmpty()) {
        music.emplace(musicFloorBuild, game.musicFile());
    }
    QProcessEnvironment floorEnvironment = environment;
    floorEnvironment.remove(QStringLiteral("SDL_AUDIODRIVER"));
    if (!game.start(environment) || !floor.start(floorEnvironment, floorProgram)) {
        return {};
    }
    game.moveToCorner(Qt::BottomRightCorner);
    floor.moveToCorner(Qt::TopLeftCorner);
    game.clickTitle();
    QThread::msleep(settleMilliseconds);
    const qint64 musicPid = music ? music->pid() : 0;
    std::vector<Shares> measured;
    for (std::size_t window = 0; window < windows; ++window) {
        const double gameBefore = cpuSecondsOf(game.pid());
        const double floorBefore = cpuSecondsOf(floor.pid());
        const double musicBefore = cpuSecondsOf(musicPid);
        Shares shares;
        shares.wakeFloor = wakeFloorPercent(windowMilliseconds);
        shares.game = percentOfCore(cpuSecondsOf(game.pid()) - gameBefore);
        shares.drawingFloor = percentOfCore(cpuSecondsOf(floor.pid()) - floorBefore);
        shares.musicFloor = percentOfCore(cpuSecondsOf(musicPid) - musicBefore);
        measured.push_back(shares);
    }
    game.stop();
    floor.stop();
    return measured;
}

// The median over the windows of a figure of each.
template <typename Figure> double medianOf(const std::vector<Shares>& measured, Figure figure) {
    std::vector<double> values;
    for (const Shares& shares : measured) {
        values.push_back(figure(shares));
    }
    return median(values);
}

QString figure(const QString& device, const QString& floor) {
    return QStringLiteral(
               "CPU while typing at 100 ms a character, %1, as a ratio to %2: the "
               "real program from outside, all threads, side by side with its floors "
               "(median of 10 windows of 10 s, two starts); floor: a bare Qt window drawing the "
               "same characters as often")
        .arg(device, floor);
}

void printWithoutDevice(const std::vector<Shares>& measured) {
    printRow(
        figure(QStringLiteral("no sound device"), QStringLiteral("the floor")),
        QStringLiteral("%1 x (%2 % of a core against %3 %)")
            .arg(medianOf(measured, [](const Shares& s) { return s.game / s.drawingFloor; }), 0,
                 'f', 2)
            .arg(medianOf(measured, [](const Shares& s) { return s.game; }), 0, 'f', 3)
            .arg(medianOf(measured, [](const Shares& s) { return s.drawingFloor; }), 0, 'f', 3),
        QStringLiteral("<= 1.1 x"));
}

void printWithDevice(const std::vector<Shares>& measured) {
    const auto floors = [](const Shares& s) { return s.drawingFloor + s.musicFloor; };
    printRow(
        figure(QStringLiteral("the music playing, dummy driver"),
               QStringLiteral("the floor plus SDL2_mixer alone playing the same music on "
                              "the same driver (music_floor)")),
        QStringLiteral("%1 x (%2 % of a core against %3 % + %4 %; against the floor plus a "
                       "bare thread waking every 46 ms: %5 x)")
            .arg(medianOf(measured, [&](const Shares& s) { return s.game / floors(s); }), 0, 'f', 2)
            .arg(medianOf(measured, [](const Shares& s) { return s.game; }), 0, 'f', 3)
            .arg(medianOf(measured, [](const Shares& s) { return s.drawingFloor; }), 0, 'f', 3)
            .arg(medianOf(measured, [](const Shares& s) { return s.musicFloor; }), 0, 'f', 3)
            .arg(medianOf(measured,
                          [](const Shares& s) { return s.game / (s.drawingFloor + s.wakeFloor); }),
                 0, 'f', 2),
        QStringLiteral("<= 1.1 x"));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: typing_bench <build folder>\n");
        return 2;
    }
    const QString build = QString::fromLocal8Bit(argv[1]);
    OutsideGame game(build);
    OutsideGame floor(build);
    if (!game.isReady() || !floor.isReady()) {
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
    const QString floorProgram = build + QStringLiteral("/bench/typing_floor");
    std::vector<Shares> withoutDevice;
    std::vector<Shares> withDevice;
    for (std::size_t start = 0; start < starts; ++start) {
        for (const Shares& shares : measureSideBySide(game, floor, silent, floorProgram)) {
            withoutDevice.push_back(shares);
        }
        for (const Shares& shares : measureSideBySide(game, floor, dummy, floorProgram, build)) {
            withDevice.push_back(shares);
        }
    }
    if (withoutDevice.size() != starts * windows || withDevice.size() != starts * windows) {
        printRow(QStringLiteral("CPU while typing, from outside"), QStringLiteral("no window"),
                 QStringLiteral("-"));
        return 0;
    }
    printWithoutDevice(withoutDevice);
    printWithDevice(withDevice);
    return 0;
}
