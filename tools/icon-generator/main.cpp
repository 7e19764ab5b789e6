// Draws the game's icon as PNG files for the desktop's icon theme:
// zoa-icons <folder> <size>... writes <folder>/<size>x<size>/apps/zoa.png for each size.
#include "window/window_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: zoa-icons <folder> <size>...\n");
        return 2;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        const int size = sizeText.toInt();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(1)).arg(size);
        if (size <= 0 || !QDir().mkpath(folder) ||
            !window::drawIconImage(size).save(folder + QStringLiteral("/zoa.png"), "PNG")) {
            std::fprintf(stderr, "zoa-icons: cannot write the %s icon\n", qPrintable(sizeText));
            return 1;
        }
    }
    return 0;
}
