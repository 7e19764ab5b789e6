#include "text/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace text {

namespace {

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool isHalfWidthKana(unsigned char byte) {
    return byte >= 0xA1 && byte <= 0xDF;
}

// Qt's code page 932 decoder (ICU) swaps some control codes and turns invalid bytes into U+001A,
// so it only ever sees runs of valid multi-byte characters; ASCII and invalid bytes are ours.
QStringDecoder& multiByteDecoder() {
    static QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    return decoder;
}

QStringEncoder& encoder() {
    static QStringEncoder encoder("windows-31j", QStringEncoder::Flag::Stateless);
    return encoder;
}

} // namespace

QString decodeCp932(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype runStart = -1; // start of a run of valid non-ASCII characters
    auto flushRun = [&](qsizetype end) {
        if (runStart >= 0) {
            text += multiByteDecoder().decode(bytes.sliced(runStart, end - runStart));
            runStart = -1;
        }
    };
    for (qsizetype i = 0; i < size;) {
        const unsigned char byte = data[i];
        if (byte < 0x80) {
            flushRun(i);
            text += QLatin1Char(static_cast<char>(byte));
            ++i;
        } else if (isHalfWidthKana(byte)) {
            runStart = runStart < 0 ? i : runStart;
            ++i;
        } else if (isLeadByte(byte) && i + 1 < size && isTrailByte(data[i + 1])) {
            runStart = runStart < 0 ? i : runStart;
            i += 2;
        } else {
            flushRun(i);
            text += QChar(QChar::ReplacementCharacter);
            ++i;
        }
    }
    flushRun(size);
    return text;
}

Cp932Encoding encodeCp932(QStringView text) {
    Cp932Encoding result;
    result.bytes.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView character = text.sliced(i, 1);
        if (character.front().unicode() < 0x80) {
            result.bytes += static_cast<char>(character.front().unicode());
            continue;
        }
        const QByteArray bytes = encoder().encode(character);
        if (decodeCp932(bytes) != character) {
            result.badIndex = i;
            return result;
        }
        result.bytes += bytes;
    }
    return result;
}

} // namespace text
