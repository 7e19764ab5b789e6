// Fuzz target: any bytes as a game folder, split at each byte 0x1E (record separator, rare in
// scripts, pictures and sounds alike) into a few scripts and two files of dat2/, then checked as
// "zoa-content check" checks, with a short simulation, measuring text and pictures in the game's
// window. Nothing may crash, and the findings must
// stay inside the folder, come sorted, and come back whole from JSON.
#include "checks/check.h"
#include "checks/game_windows.h"
#include "checks/json_output.h"
#include "media/sdl_media_service.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Where each part of the input goes: scripts of events the checker reaches, then a picture and a
// sound of the fixed set.
const char* const files[] = {"dat1/zoa.txt", "dat1/char25.txt", "dat1/a_0.txt",
                             "dat1/end.txt", "dat2/zoa.bmp",    "dat2/se.wav"};

bool writeFolder(const QString& folder, const QByteArray& input) {
    for (const char* sub : {"dat1", "dat2"}) {
        QDir dir(folder + QLatin1Char('/') + QLatin1String(sub));
        if (!dir.removeRecursively() || !dir.mkpath(QStringLiteral("."))) {
            return false;
        }
    }
    const QList<QByteArray> parts = input.split('\x1E');
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(std::size(files)); ++i) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(files[i]));
        if (!file.open(QIODevice::WriteOnly) || file.write(parts.at(i)) != parts.at(i).size()) {
            return false;
        }
    }
    return true;
}

bool sorted(const QList<content::Diagnostic>& diagnostics) {
    for (qsizetype i = 1; i < diagnostics.size(); ++i) {
        const content::Diagnostic& a = diagnostics.at(i - 1);
        const content::Diagnostic& b = diagnostics.at(i);
        if (a.file > b.file || (a.file == b.file && a.line > b.line)) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static int argc = 1;
    static char name[] = "content_check_fuzz";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    static const content::GameWindows windows;
    static QTemporaryDir dir;
    static media::SdlMediaService sounds(media::SdlMediaService::defaultMaxEffectBytes, "dummy");
    const QString folder = dir.path();
    if (!writeFolder(folder, QByteArray(reinterpret_cast<const char*>(data),
                                        static_cast<qsizetype>(size)))) {
        return 0;
    }
    content::CheckOptions options;
    options.windows = offscreen ? &windows : nullptr;
    options.plays = 20;
    const QList<content::Diagnostic> diagnostics =
        content::checkContent(content::ContentFolder(folder), options, &sounds);
    if (!sorted(diagnostics)) {
        std::abort();
    }
    for (const content::Diagnostic& diagnostic : diagnostics) {
        if (!diagnostic.file.startsWith(folder + QStringLiteral("/dat")) || diagnostic.line < 0 ||
            diagnostic.message.isEmpty()) {
            std::abort();
        }
    }
    const QJsonDocument json = QJsonDocument::fromJson(content::diagnosticsToJson(diagnostics));
    if (!json.isArray() || json.array().size() != diagnostics.size()) {
        std::abort();
    }
    return 0;
}
