#include "pack/script_source.h"

#include "pack/text_encoding.h"

namespace content {

namespace {

// The length of a UTF-8 sequence starting at data[0], or 0 when none starts there.
qsizetype sequenceLength(const unsigned char* data, qsizetype available) {
    const unsigned char lead = data[0];
    if (lead < 0x80) {
        return 1;
    }
    qsizetype length = 0;
    unsigned char low = 0x80;  // allowed range of the second byte: rules out overlong forms,
    unsigned char high = 0xBF; // surrogates and values above U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (available < length || data[1] < low || data[1] > high) {
        return 0;
    }
    for (qsizetype i = 2; i < length; ++i) {
        if (data[i] < 0x80 || data[i] > 0xBF) {
            return 0;
        }
    }
    return length;
}

// The error for a source in no known encoding, at its first byte that is not UTF-8.
Diagnostic notUtf8(const QString& file, QByteArrayView bytes) {
    const qsizetype bad = firstInvalidUtf8(bytes);
    const QStringList before = splitLines(QString::fromUtf8(bytes.first(bad)) + QLatin1Char('.'));
    const QString line = before.constLast().chopped(1);
    return {file, static_cast<int>(before.size()), columnOf(line, line.size()),
            QStringLiteral("bytes that are not UTF-8 (the source must be UTF-8 text)")};
}

} // namespace

qsizetype firstInvalidUtf8(QByteArrayView bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype length = sequenceLength(data + i, bytes.size() - i);
        if (length == 0) {
            return i;
        }
        i += length;
    }
    return -1;
}

int columnOf(QStringView line, qsizetype index) {
    int column = 1;
    for (qsizetype i = 0; i < index && i < line.size(); ++i) {
        const bool pairStart =
            line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        if (pairStart) {
            ++i;
        }
        ++column;
    }
    return column;
}

ScriptSource readScriptSource(const QString& file, QByteArrayView bytes) {
    ScriptSource source;
    const TextEncoding encoding = guessEncoding(bytes);
    if (encoding == TextEncoding::Unknown) {
        source.diagnostics.append(notUtf8(file, bytes));
    } else if (encoding != TextEncoding::Utf8) {
        source.diagnostics.append({file, 0, 0,
                                   QStringLiteral("saved as %1, read as such; save it as UTF-8")
                                       .arg(encodingName(encoding)),
                                   Severity::Note});
    }
    source.lines = splitLines(decodeText(bytes, encoding));
    return source;
}

} // namespace content
