// Fuzz target: any bytes as a picture source, written as the BMP the game reads, as
// "zoa-content pack" writes it. Nothing may crash or run out of memory; a picture read must come
// out as a BMP file.
#include "fuzz_input.h"
#include "pack/media_source.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = writeFuzzInput(data, size, QStringLiteral("picture.png"));
    if (path.isEmpty()) {
        return 0;
    }
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (content::writePictureAsBmp(path, out).isEmpty() && !out.data().startsWith("BM")) {
        std::abort();
    }
    return 0;
}
