#include "pack/script_pack.h"

#include "pack/pack_writer.h"
#include "pack/script_source.h"
#include "text/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace content {

namespace {

// Characters typed in their JIS form, with the code page 932 character that stands for each.
struct StandIn {
    char16_t typed;
    char16_t written;
};

constexpr StandIn standIns[] = {
    {0x301C, 0xFF5E}, // wave dash: full-width tilde
    {0x2016, 0x2225}, // double vertical line: parallel to
    {0x2212, 0xFF0D}, // minus sign: full-width hyphen-minus
    {0x00A2, 0xFFE0}, // cent sign: full-width cent sign
    {0x00A3, 0xFFE1}, // pound sign: full-width pound sign
    {0x00AC, 0xFFE2}, // not sign: full-width not sign
    {0x2014, 0x2015}, // em dash: horizontal bar
};

// The code page 932 character written for a typed one; a null character when there is none.
QChar standInFor(QChar typed) {
    for (const StandIn& standIn : standIns) {
        if (standIn.typed == typed.unicode()) {
            return QChar(standIn.written);
        }
    }
    return QChar();
}

// 2 for a pair of surrogates, 1 for any other character.
qsizetype characterLength(QStringView line, qsizetype index) {
    const bool pair = line.at(index).isHighSurrogate() && index + 1 < line.size() &&
                      line.at(index + 1).isLowSurrogate();
    return pair ? 2 : 1;
}

QString describeCharacter(QStringView line, qsizetype index) {
    const QStringView shown = line.sliced(index, characterLength(line, index));
    const char32_t code = shown.size() == 2 ? QChar::surrogateToUcs4(shown.at(0), shown.at(1))
                                            : shown.at(0).unicode();
    const QString number =
        QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(code)) {
        return number;
    }
    return number + QStringLiteral(" \"") + shown.toString() + QLatin1Char('"');
}

QString standInMessage(QStringView line, qsizetype index, QChar standIn, QByteArrayView bytes) {
    return describeCharacter(line, index) + QStringLiteral(" written as 0x") +
           QString::fromLatin1(bytes.toByteArray().toHex().toUpper()) +
           QStringLiteral(" (read back as ") + describeCharacter(QStringView(&standIn, 1), 0) +
           QLatin1Char(')');
}

// Writes the stand-in of a character the encoder refused, or reports the character as an error
// when it has none. Each character written as a stand-in is reported once per file, as a note.
void writeRefusedCharacter(PackedScript& packed, QSet<char16_t>& noted, Diagnostic place,
                           QStringView line, qsizetype index) {
    const QChar standIn = standInFor(line.at(index));
    if (standIn.isNull()) {
        place.message = QStringLiteral("character ") + describeCharacter(line, index) +
                        QStringLiteral(" cannot be written in code page 932");
        packed.diagnostics.append(place);
        return;
    }
    const QByteArray bytes = text::encodeCp932(QStringView(&standIn, 1)).bytes;
    packed.bytes += bytes;
    if (!noted.contains(line.at(index).unicode())) {
        noted.insert(line.at(index).unicode());
        place.severity = Severity::Note;
        place.message = standInMessage(line, index, standIn, bytes);
        packed.diagnostics.append(place);
    }
}

Diagnostic wholeFileError(const QString& file, const QString& message) {
    return {file, 0, 0, message};
}

} // namespace

PackedScript packScript(const QString& file, const QStringList& lines) {
    PackedScript packed;
    QSet<char16_t> noted; // characters written as stand-ins and already reported
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines.at(n);
        // Encode the line piece by piece so that every refused character gets its own report.
        qsizetype from = 0;
        while (from <= line.size()) {
            const text::Cp932Encoding encoding = text::encodeCp932(QStringView(line).sliced(from));
            packed.bytes += encoding.bytes;
            if (encoding.badIndex < 0) {
                break;
            }
            const qsizetype bad = from + encoding.badIndex;
            writeRefusedCharacter(packed, noted,
                                  {file, static_cast<int>(n + 1), columnOf(line, bad), QString()},
                                  line, bad);
            from = bad + characterLength(line, bad);
        }
        packed.bytes += "\r\n";
    }
    return packed;
}

QByteArray packScriptFile(const QString& path, QList<Diagnostic>& diagnostics) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        diagnostics.append(wholeFileError(path, file.errorString()));
        return {};
    }
    const ScriptSource script = readScriptSource(path, file.readAll());
    diagnostics += script.diagnostics;
    if (hasErrors(script.diagnostics)) {
        return {}; // its lines hold what the source does not: no errors about them follow
    }
    PackedScript packed = packScript(path, script.lines);
    diagnostics += packed.diagnostics;
    return std::move(packed.bytes);
}

PackResult packFolder(const QString& sources, const QString& folder) {
    PackResult result;
    const QDir sourceDir(sources);
    if (!sourceDir.exists()) {
        result.diagnostics.append(wholeFileError(sources, QStringLiteral("no such folder")));
        return result;
    }
    // Packing in place would replace the UTF-8 sources with their code page 932 copies.
    const QFileInfo output(folder);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(sources).canonicalFilePath()) {
        result.diagnostics.append(wholeFileError(
            folder, QStringLiteral("the output folder is the sources folder; nothing written")));
        return result;
    }
    const QStringList names =
        sourceDir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        result.diagnostics.append(wholeFileError(sources, QStringLiteral("no scripts (*.txt)")));
        return result;
    }
    PackWriter writer(folder, false);
    for (const QString& name : names) {
        const QByteArray bytes = packScriptFile(sourceDir.filePath(name), result.diagnostics);
        QFile* out = writer.open(name);
        if (out == nullptr || out->write(bytes) != bytes.size() || !writer.close()) {
            break;
        }
    }
    if (writer.problem().message.isEmpty() && !hasErrors(result.diagnostics)) {
        writer.commit();
    }
    if (!writer.problem().message.isEmpty()) {
        result.diagnostics.append(writer.problem());
    }
    return result;
}

} // namespace content
