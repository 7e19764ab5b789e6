#include "host/host_facts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace host {

namespace {
constexpr double twipsPerInch = 1440.0;
constexpr double fallbackDpi = 96.0;

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : fallbackDpi;
}
} // namespace

QString QtHostFacts::programFolder() const {
    // Follows symbolic links, so the content is found beside the real program file.
    return QCoreApplication::applicationDirPath();
}

int QtHostFacts::screenHeightTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().height() : 768;
    return static_cast<int>(pixels * twipsPerInch / logicalDpi());
}

double QtHostFacts::pixelsPerTwip() const {
    return logicalDpi() / twipsPerInch;
}

} // namespace host
