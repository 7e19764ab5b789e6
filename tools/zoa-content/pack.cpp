#include "pack.h"

#include "platform/cp932.h"
#include "script_source.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace content {

namespace {

QString describeCharacter(QStringView line, qsizetype index) {
    char32_t code = line.at(index).unicode();
    QString shown(line.at(index));
    if (line.at(index).isHighSurrogate() && index + 1 < line.size() &&
        line.at(index + 1).isLowSurrogate()) {
        code = QChar::surrogateToUcs4(line.at(index), line.at(index + 1));
        shown += line.at(index + 1);
    }
    const QString number =
        QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(code)) {
        return number;
    }
    return number + QStringLiteral(" \"") + shown + QLatin1Char('"');
}

Diagnostic wholeFileError(const QString& file, const QString& message) {
    return {file, 0, 0, message};
}

struct Source {
    QString name; // the file name, kept for the output
    QString path; // as shown in diagnostics
};

} // namespace

PackedScript packScript(const QString& file, const QStringList& lines) {
    PackedScript packed;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString& line = lines.at(n);
        // Encode the line piece by piece so that every refused character gets its own report.
        qsizetype from = 0;
        while (from <= line.size()) {
            const platform::Cp932Encoding encoding =
                platform::encodeCp932(QStringView(line).sliced(from));
            packed.bytes += encoding.bytes;
            if (encoding.badIndex < 0) {
                break;
            }
            const qsizetype bad = from + encoding.badIndex;
            packed.diagnostics.append({file, static_cast<int>(n + 1), columnOf(line, bad),
                                       QStringLiteral("character ") + describeCharacter(line, bad) +
                                           QStringLiteral(" cannot be written in code page 932")});
            const bool pair = line.at(bad).isHighSurrogate() && bad + 1 < line.size() &&
                              line.at(bad + 1).isLowSurrogate();
            from = bad + (pair ? 2 : 1);
        }
        packed.bytes += "\r\n";
    }
    return packed;
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

    QList<Source> files;
    for (const QString& name :
         sourceDir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        files.append({name, sourceDir.filePath(name)});
    }
    if (files.isEmpty()) {
        result.diagnostics.append(wholeFileError(sources, QStringLiteral("no scripts (*.txt)")));
        return result;
    }

    QList<QByteArray> packed;
    for (const Source& source : files) {
        QFile file(source.path);
        if (!file.open(QIODevice::ReadOnly)) {
            result.diagnostics.append(wholeFileError(source.path, file.errorString()));
            packed.append(QByteArray());
            continue;
        }
        const ScriptSource script = readScriptSource(source.path, file.readAll());
        result.diagnostics += script.diagnostics;
        PackedScript bytes = packScript(source.path, script.lines);
        result.diagnostics += bytes.diagnostics;
        packed.append(std::move(bytes.bytes));
    }
    if (!result.diagnostics.isEmpty()) {
        return result;
    }

    if (!QDir().mkpath(folder)) {
        result.diagnostics.append(wholeFileError(folder, QStringLiteral("cannot make the folder")));
        return result;
    }
    const QDir outputDir(folder);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = outputDir.filePath(files.at(i).name);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(packed.at(i)) != packed.at(i).size() ||
            !file.commit()) {
            result.diagnostics.append(wholeFileError(path, file.errorString()));
            return result;
        }
        result.written.append(path);
    }
    return result;
}

} // namespace content
