// The sound server test's view of sound files: "write FILE HZ SECONDS" writes a sine as a WAV
// file; "find FILE HZ" prints when the sine begins in a raw recording (16-bit stereo at 44.1 kHz)
// and stays, in seconds from the recording's start, or "none" with status 1 when it never does.
#include "tone.h"

#include <QFile>

#include <cstdio>

namespace {

constexpr qsizetype windowFrames = tone::rate / 50; // 20 ms
constexpr double heard = 0.1;                       // the test sine's amplitude is 0.3

// Whether the sine is heard in each 20 ms window.
QList<bool> heardWindows(const QList<double>& samples, double frequency) {
    QList<bool> windows;
    for (qsizetype start = 0; start + windowFrames <= samples.size(); start += windowFrames) {
        windows.append(tone::level(samples, start, windowFrames, frequency) > heard);
    }
    return windows;
}

// The first window from which the sine is heard in at least 95 % of the windows to the end.
qsizetype firstHeardWindow(const QList<bool>& windows) {
    for (qsizetype first = 0; first < windows.size(); ++first) {
        const qsizetype heardAfter = std::count(windows.begin() + first, windows.end(), true);
        if (windows[first] && heardAfter * 100 >= (windows.size() - first) * 95) {
            return first;
        }
    }
    return -1;
}

int writeSine(const char* path, double frequency, int seconds) {
    QFile file(QString::fromLocal8Bit(path));
    return file.open(QIODevice::WriteOnly) &&
                   file.write(tone::sineWav(frequency, seconds * 1000)) > 0
               ? 0
               : 1;
}

int findSine(const char* path, double frequency) {
    QFile file(QString::fromLocal8Bit(path));
    const QList<bool> windows = file.open(QIODevice::ReadOnly)
                                    ? heardWindows(tone::firstChannel(file.readAll(), 2), frequency)
                                    : QList<bool>();
    const qsizetype window = firstHeardWindow(windows);
    if (window < 0) {
        QByteArray heardMap; // one character a window: heard or not
        for (bool heardThere : windows) {
            heardMap += heardThere ? '#' : '.';
        }
        std::printf("none: %s\n", heardMap.constData());
        return 1;
    }
    std::printf("%.2f\n", static_cast<double>(window * windowFrames) / tone::rate);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray command = argc > 1 ? argv[1] : "";
    if (command == "write" && argc == 5) {
        return writeSine(argv[2], std::atof(argv[3]), std::atoi(argv[4]));
    }
    if (command == "find" && argc == 4) {
        return findSine(argv[2], std::atof(argv[3]));
    }
    std::fprintf(stderr, "usage: tone_tool write FILE HZ SECONDS | find FILE HZ\n");
    return 2;
}
