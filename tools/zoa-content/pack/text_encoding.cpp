#include "pack/text_encoding.h"

#include "pack/script_source.h"
#include "text/cp932.h"

#include <QStringDecoder>

namespace content {

namespace {

// UTF-16 without a byte order mark: latin text leaves zero bytes in every other place. Returns
// the place of the zeros, 1 for little endian and 0 for big endian, or -1.
int zeroBytesPlace(QByteArrayView bytes) {
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        zeros[i % 2] += bytes[i] == '\0' ? 1 : 0;
    }
    for (int place : {1, 0}) {
        if (bytes.size() >= 2 && zeros[place] * 4 >= bytes.size() && zeros[1 - place] == 0) {
            return place;
        }
    }
    return -1;
}

} // namespace

TextEncoding guessEncoding(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE") || zeroBytesPlace(bytes) == 1) {
        return TextEncoding::Utf16LittleEndian;
    }
    if (bytes.startsWith("\xFE\xFF") || zeroBytesPlace(bytes) == 0) {
        return TextEncoding::Utf16BigEndian;
    }
    if (firstInvalidUtf8(bytes) < 0) {
        return TextEncoding::Utf8;
    }
    return text::decodeCp932(bytes).contains(QChar::ReplacementCharacter)
               ? TextEncoding::Unknown
               : TextEncoding::CodePage932;
}

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf16LittleEndian:
    case TextEncoding::Utf16BigEndian:
        return QStringLiteral("UTF-16");
    case TextEncoding::CodePage932:
        return QStringLiteral("Shift-JIS (code page 932)");
    case TextEncoding::Unknown:
        break;
    }
    return QStringLiteral("an unknown encoding");
}

QString decodeText(QByteArrayView bytes, TextEncoding encoding) {
    QString text;
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
        text = QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
        break;
    case TextEncoding::Utf16BigEndian:
        text = QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
        break;
    case TextEncoding::CodePage932:
        text = text::decodeCp932(bytes);
        break;
    default:
        text = QString::fromUtf8(bytes);
        break;
    }
    return text.startsWith(QChar(QChar::ByteOrderMark)) ? text.mid(1) : text;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

} // namespace content
