// zoa-content-generator: draws the demo story's pictures and synthesizes its sounds.
//   zoa-content-generator pictures <folder> <name>...   writes <folder>/<name>.bmp for each name
//   zoa-content-generator sounds <folder>               writes bgm.wav, se.wav and se2.wav
// Exit status 0 on success, 1 when a file could not be made, 2 when the command line is wrong.
#include "pictures.h"
#include "synth.h"
#include "wave_file.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

constexpr int failure = 1;
constexpr int usageError = 2;

void report(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

bool write(const QString& path, const QByteArray& bytes) {
    QString error;
    if (!generator::writeFileAtomically(path, bytes, error)) {
        report(QStringLiteral("zoa-content-generator: cannot write %1: %2").arg(path, error));
        return false;
    }
    return true;
}

int makePictures(const QDir& folder, const QStringList& names) {
    const QStringList known = generator::pictureNames();
    for (const QString& name : names) {
        if (!known.contains(name)) {
            report(QStringLiteral("zoa-content-generator: no picture called \"%1\" (known: %2)")
                       .arg(name, known.join(QLatin1Char(' '))));
            return failure;
        }
    }
    for (const QString& name : names) {
        const QImage image = generator::renderPicture(name);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (image.isNull() || !image.save(&buffer, "BMP")) {
            report(QStringLiteral("zoa-content-generator: cannot draw the picture ") + name);
            return failure;
        }
        if (!write(folder.filePath(name + QStringLiteral(".bmp")), bytes)) {
            return failure;
        }
    }
    return 0;
}

int makeSounds(const QDir& folder) {
    const bool written = write(folder.filePath(QStringLiteral("bgm.wav")),
                               generator::waveFileBytes(generator::backgroundMusic())) &&
                         write(folder.filePath(QStringLiteral("se.wav")),
                               generator::waveFileBytes(generator::typingClick())) &&
                         write(folder.filePath(QStringLiteral("se2.wav")),
                               generator::waveFileBytes(generator::choiceChime()));
    return written ? 0 : failure;
}

int usage() {
    report(QStringLiteral("usage: zoa-content-generator pictures <folder> <name>...\n"
                          "       zoa-content-generator sounds <folder>"));
    return usageError;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const bool pictures = command == QLatin1String("pictures");
    // Drawing needs fonts but no screen: run on the offscreen platform unless told otherwise.
    // Synthesizing sounds needs neither.
    if (pictures && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::unique_ptr<QCoreApplication> app =
        pictures ? std::make_unique<QGuiApplication>(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        return usage();
    }
    arguments.remove(0, 2);
    const QString folderPath = arguments.takeFirst();
    if (!QDir().mkpath(folderPath)) {
        report(QStringLiteral("zoa-content-generator: cannot make the folder ") + folderPath);
        return failure;
    }
    const QDir folder(folderPath);
    if (pictures && !arguments.isEmpty()) {
        return makePictures(folder, arguments);
    }
    if (command == QLatin1String("sounds") && arguments.isEmpty()) {
        return makeSounds(folder);
    }
    return usage();
}
