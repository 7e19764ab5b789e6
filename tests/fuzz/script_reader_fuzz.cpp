// Fuzz target: any bytes as a script file, read line by line, decoded and classified as the
// player does. Checks that whatever decodes cleanly encodes back.
#include "player/script_line.h"
#include "text/cp932.h"
#include "text/script_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("script.txt"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(bytes);
    }
    text::ScriptFile script;
    if (!script.open(path)) {
        return 0;
    }
    qsizetype characters = 0;
    while (!script.atEnd()) {
        const QString line = script.readLine();
        characters += line.size();
        if (player::classifyLine(line) == player::LineKind::Picture) {
            (void)player::pictureName(line);
        }
    }
    if (characters > bytes.size()) {
        std::abort(); // every character takes at least one byte
    }
    const QString text = text::decodeCp932(bytes);
    if (!text.contains(QChar(QChar::ReplacementCharacter)) &&
        text::encodeCp932(text).badIndex != -1) {
        std::abort(); // a cleanly decoded text must encode back
    }
    return 0;
}
