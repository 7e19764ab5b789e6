#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace content {

// What a text file was saved as, told from its bytes: UTF-8 (plain ASCII included), UTF-16 (a
// byte order mark, or a zero byte in every other place of latin text), or code page 932
// (Shift-JIS) when every byte makes a character of it; otherwise none of them.
enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, CodePage932, Unknown };

TextEncoding guessEncoding(QByteArrayView bytes);

// "UTF-8", "UTF-16", "Shift-JIS (code page 932)" or "an unknown encoding".
QString encodingName(TextEncoding encoding);

// The text, decoded as saved (an unknown encoding as UTF-8), without a byte order mark.
QString decodeText(QByteArrayView bytes, TextEncoding encoding);

// The lines of a text as the game ends them, at CR LF or a lone CR, and as authors' editors end
// them, at a lone LF too. A final line end adds no empty line after it.
QStringList splitLines(const QString& text);

} // namespace content
