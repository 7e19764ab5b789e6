// Fuzz target: any bytes as a picture source, written as the BMP the game reads, as
// "zoa-content pack" writes it. Nothing may crash or run out of memory; a picture read must come
// out as a BMP file.
#include "pack/media_source.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    QFile source(path);
    if (!source.open(QIODevice::WriteOnly) ||
        source.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        return 0;
    }
    source.close();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (content::writePictureAsBmp(path, out).isEmpty() && !out.data().startsWith("BM")) {
        std::abort();
    }
    return 0;
}
