// The game's start-up timed from inside: the game as main() runs it (runGame), over the content
// of the build folder given, telling on standard output when its window's first frame is painted
// and when its sound has started after it.
//   startup_probe <build folder>
#include "host/host_facts.h"
#include "window/fom.h"
#include "window/game_run.h"

#include <QApplication>

#include <cstdio>
#include <utility>

namespace {

// The machine's own facts, but the content of the build folder.
class BuildFolder : public host::QtHostFacts {
public:
    explicit BuildFolder(QString folder)
        : folder_(std::move(folder)) {}
    QString programFolder() const override { return folder_; }

private:
    QString folder_;
};

void tell(const char* what) {
    std::printf("%s\n", what);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BuildFolder host(QString::fromLocal8Bit(argc > 1 ? argv[1] : "."));
    return runGame(host, [](Fom& fom) {
        QObject::connect(&fom, &Fom::firstPainted, &fom, [] { tell("first frame"); });
        // Queued after the game's own handling of the first frame, which starts the sound.
        QObject::connect(
            &fom, &Fom::firstPainted, &fom, [] { tell("sound started"); }, Qt::QueuedConnection);
    });
}
