#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace text {

// Decodes Japanese ANSI text (Shift-JIS, code page 932, with the NEC and IBM extensions).
// Bytes 0x00-0x7F are ASCII (0x5C stays a backslash); a byte or pair that is not code page 932
// becomes U+FFFD, one for each byte that cannot start a character.
QString decodeCp932(QByteArrayView bytes);

// Where encoding stopped: the index of the first character that code page 932 cannot hold.
struct Cp932Encoding {
    QByteArray bytes;
    qsizetype badIndex = -1; // -1 when every character was encoded
};

// Encodes text as code page 932. Characters that would not come back unchanged (for example "€",
// or "¥", which would turn into a backslash) are refused.
Cp932Encoding encodeCp932(QStringView text);

} // namespace text
