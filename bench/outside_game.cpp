#include "outside_game.h"

#include "media/audio_output.h"
#include "text/cp932.h"
#include "window/layout.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <ctime>

void endProcess(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

double processCpuSeconds(qint64 pid) {
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

double cpuPercentOver(const QList<qint64>& pids, int milliseconds) {
    const auto total = [&pids] {
        double seconds = 0;
        for (qint64 pid : pids) {
            seconds += processCpuSeconds(pid);
        }
        return seconds;
    };
    const double before = total();
    QThread::msleep(static_cast<unsigned long>(milliseconds));
    return (total() - before) / (milliseconds / 1000.0) * 100.0;
}

double wakeFloorPercent(int milliseconds) {
    const auto threadCpuSeconds = [] {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    };
    const double before = threadCpuSeconds();
    for (int wake = 0; wake < milliseconds / 46; ++wake) {
        QThread::msleep(46);
    }
    return (threadCpuSeconds() - before) / (milliseconds / 1000.0) * 100.0;
}

namespace {

const QString typedLine =
    QStringLiteral("夜の港に灯がともり、波の音だけが静かに響いていた。遠くで汽笛");

bool copyFile(const QString& from, const QString& to) {
    QFile::remove(to);
    return QFile::copy(from, to);
}

// The program and the demo's pictures and sounds, copied (the game reads its content beside its
// real file), and the one event the measures play.
bool makeGameFolder(const QString& build, const QString& folder) {
    QDir().mkpath(folder + QStringLiteral("/dat1"));
    QDir().mkpath(folder + QStringLiteral("/dat2"));
    bool copied = copyFile(build + QStringLiteral("/zoa"), folder + QStringLiteral("/zoa"));
    const QDir pictures(build + QStringLiteral("/dat2"));
    for (const QString& name : pictures.entryList(QDir::Files)) {
        copied =
            copied && copyFile(pictures.filePath(name), folder + QStringLiteral("/dat2/") + name);
    }
    QByteArray script = "img[zoa]\r\n";
    for (int line = 0; line < 200; ++line) {
        script += text::encodeCp932(typedLine).bytes + "\r\n";
    }
    QFile file(folder + QStringLiteral("/dat1/zoa.txt"));
    return copied && file.open(QIODevice::WriteOnly) && file.write(script) == script.size();
}

} // namespace

OutsideGame::OutsideGame(const QString& build)
    : ready_(makeGameFolder(build, folder_.path()))
    , display_(XOpenDisplay(nullptr)) {}

OutsideGame::~OutsideGame() {
    stop();
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

QString OutsideGame::musicFile() const {
    return folder_.filePath(QStringLiteral("dat2/bgm.wav"));
}

qint64 OutsideGame::pid() const {
    return process_ ? process_->processId() : 0;
}

// The process that owns a window, from the _NET_WM_PID property Qt sets; 0 when it is not set.
qint64 OutsideGame::windowPid(unsigned long window) const {
    const Atom property = XInternAtom(display_, "_NET_WM_PID", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    qint64 pid = 0;
    if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        data != nullptr && format == 32 && count == 1) {
        pid = static_cast<qint64>(*reinterpret_cast<unsigned long*>(data));
    }
    XFree(data);
    return pid;
}

// The program's top-level window, found by its title and its process; 0 while there is none.
unsigned long OutsideGame::findWindow() const {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    unsigned long found = 0;
    if (XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(display_, children[i], &name) && QByteArray(name) == "ZOA" &&
                XGetWindowAttributes(display_, children[i], &attributes) &&
                attributes.map_state == IsViewable && windowPid(children[i]) == pid()) {
                found = children[i];
            }
            XFree(name);
        }
        XFree(children);
    }
    return found;
}

void OutsideGame::moveToCorner(Qt::Corner corner) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display_, window_, &attributes);
    const int right = DisplayWidth(display_, DefaultScreen(display_)) - attributes.width;
    const int bottom = DisplayHeight(display_, DefaultScreen(display_)) - attributes.height;
    XMoveWindow(display_, window_,
                corner == Qt::TopRightCorner || corner == Qt::BottomRightCorner ? right : 0,
                corner == Qt::BottomLeftCorner || corner == Qt::BottomRightCorner ? bottom : 0);
    XSync(display_, False);
}

bool OutsideGame::start(const QProcessEnvironment& environment, const QString& program) {
    stop();
    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(environment);
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->setStandardErrorFile(QProcess::nullDevice());
    process_->start(program.isEmpty() ? folder_.filePath(QStringLiteral("zoa")) : program, {});
    QElapsedTimer clock;
    clock.start();
    while ((window_ = findWindow()) == 0 && clock.elapsed() < 20000) {
        QThread::msleep(20);
    }
    QThread::msleep(1000);
    return window_ != 0;
}

void OutsideGame::clickTitle() {
    XWindowAttributes attributes;
    Window child = 0;
    int x = 0;
    int y = 0;
    XGetWindowAttributes(display_, window_, &attributes);
    const window::UnitRect picture = window::computeLayout(0).mainPicture; // in units: any screen
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_),
                          static_cast<int>((picture.left + picture.width / 2) /
                                           window::innerUnitsWide * attributes.width),
                          static_cast<int>((picture.top + picture.height / 2) /
                                           window::innerUnitsHigh * attributes.height),
                          &x, &y, &child);
    XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XTestFakeMotionEvent(display_, -1, 0, 0, CurrentTime);
    XFlush(display_);
}

void OutsideGame::stop() {
    if (!process_) {
        return;
    }
    endProcess(*process_);
    process_.reset();
    window_ = 0;
}

MusicFloor::MusicFloor(const QString& build, const QString& musicFile)
    : process_(std::make_unique<QProcess>()) {
    const media::AudioFormat format =
        media::outputFormatFor({"open \"" + musicFile.toUtf8() + "\" alias MIDI"});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    process_->setProcessEnvironment(environment);
    process_->setStandardOutputFile(QProcess::nullDevice());
    process_->start(build + QStringLiteral("/bench/music_floor"),
                    {musicFile, QString::number(format.rate), QString::number(format.channels),
                     QString::number(media::outputBufferFrames(format.rate))});
    process_->waitForStarted();
}

MusicFloor::~MusicFloor() {
    endProcess(*process_);
}

qint64 MusicFloor::pid() const {
    return process_->state() == QProcess::Running ? process_->processId() : 0;
}
