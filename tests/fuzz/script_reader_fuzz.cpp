// Fuzz target: any bytes as a script file, read line by line, decoded and classified as the
// player does. Checks that whatever decodes cleanly encodes back.
#include "fuzz_input.h"
#include "player/script_line.h"
#include "text/cp932.h"
#include "text/script_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = writeFuzzInput(data, size, QStringLiteral("script.txt"));
    if (path.isEmpty()) {
        return 0;
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
