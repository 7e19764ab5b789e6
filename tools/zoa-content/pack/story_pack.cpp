#include "pack/media_source.h"
#include "pack/pack.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace content {

namespace {

enum class Kind { Script, Picture, Sound, Skipped, Unknown };

// README files, hidden files and the leftovers of editors are no part of the story.
bool skippedSilently(const QString& name) {
    return name.startsWith(QLatin1Char('.')) ||
           name.startsWith(QLatin1String("README"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1Char('~')) || name.endsWith(QLatin1String(".swp")) ||
           name.endsWith(QLatin1String(".bak")) ||
           (name.size() > 1 && name.startsWith(QLatin1Char('#')) &&
            name.endsWith(QLatin1Char('#')));
}

bool isPictureSuffix(const QString& suffix) {
    static const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    return formats.contains(suffix.toLatin1());
}

bool isSoundSuffix(const QString& suffix) {
    for (const char* sound : {"wav", "ogg", "oga", "flac"}) {
        if (suffix == QLatin1String(sound)) {
            return true;
        }
    }
    return false;
}

Kind kindOf(const QFileInfo& file) {
    if (skippedSilently(file.fileName())) {
        return Kind::Skipped;
    }
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("txt")) {
        return Kind::Script;
    }
    if (isSoundSuffix(suffix)) {
        return Kind::Sound;
    }
    return isPictureSuffix(suffix) ? Kind::Picture : Kind::Unknown;
}

// The file a source is packed to, relative to the game folder.
QString outputName(Kind kind, const QFileInfo& file) {
    const QString name = file.completeBaseName();
    switch (kind) {
    case Kind::Script:
        return QStringLiteral("dat1/") + name + QStringLiteral(".txt");
    case Kind::Picture:
        return QStringLiteral("dat2/") + name + QStringLiteral(".bmp");
    default:
        return QStringLiteral("dat2/") + name + QStringLiteral(".wav");
    }
}

// True when the file lies in a game folder inside the sources, such as one packed beside
// them: its files are packed already and not read again.
bool insidePackedGame(const QDir& sources, const QString& path) {
    QString folder = QFileInfo(path).path();
    while (folder.size() > sources.path().size()) {
        if (isGameFolder(folder)) {
            return true;
        }
        folder = QFileInfo(folder).path();
    }
    return false;
}

// Every file under the folder, in path order, hidden ones and hidden folders left out.
QStringList sourceFiles(const QDir& sources) {
    QStringList files;
    QDirIterator walk(sources.path(), QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        if (!insidePackedGame(sources, path)) {
            files.append(path);
        }
    }
    files.sort();
    return files;
}

struct Output {
    QString name;   // relative to the game folder
    QString source; // the author's file
    QByteArray bytes;
};

Diagnostic wholeFileProblem(const QString& file, const QString& message,
                            Severity severity = Severity::Error) {
    return {file, 0, 0, message, severity};
}

QByteArray packMedia(Kind kind, const QString& path, QList<Diagnostic>& diagnostics) {
    const ConvertedMedia converted = kind == Kind::Picture ? pictureAsBmp(path) : soundAsWav(path);
    if (!converted.problem.isEmpty()) {
        diagnostics.append(wholeFileProblem(path, converted.problem));
    }
    return converted.bytes;
}

// Reads and converts every source; the outputs are complete only when no error was found.
QList<Output> packSources(const QDir& sources, QList<Diagnostic>& diagnostics) {
    QList<Output> outputs;
    QHash<QString, QString> sourceOfName;
    for (const QString& path : sourceFiles(sources)) {
        const QFileInfo file(path);
        const Kind kind = kindOf(file);
        if (kind == Kind::Skipped) {
            continue;
        }
        if (kind == Kind::Unknown) {
            diagnostics.append(wholeFileProblem(
                path, QStringLiteral("not a script, picture or sound; skipped"), Severity::Note));
            continue;
        }
        const QString name = outputName(kind, file);
        if (sourceOfName.contains(name)) {
            diagnostics.append(wholeFileProblem(
                path,
                QStringLiteral("packs to %1, as %2 does").arg(name, sourceOfName.value(name))));
            continue;
        }
        sourceOfName.insert(name, path);
        QByteArray bytes = kind == Kind::Script ? packScriptFile(path, diagnostics)
                                                : packMedia(kind, path, diagnostics);
        outputs.append({name, path, std::move(bytes)});
    }
    return outputs;
}

// A file that holds the bytes already is left as it is, so that packing again into the same
// folder (play --watch does at each save) writes, and waits for the disk, only for what changed.
bool holds(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

void writeOutputs(const QString& gameFolder, const QList<Output>& outputs, PackResult& result) {
    const QDir game(gameFolder);
    for (const QString& sub : {QStringLiteral("dat1"), QStringLiteral("dat2")}) {
        if (!game.mkpath(sub)) {
            result.diagnostics.append(
                wholeFileProblem(game.filePath(sub), QStringLiteral("cannot make the folder")));
            return;
        }
    }
    for (const Output& output : outputs) {
        const QString path = game.filePath(output.name);
        QSaveFile file(path);
        if (!holds(path, output.bytes) &&
            (!file.open(QIODevice::WriteOnly) || file.write(output.bytes) != output.bytes.size() ||
             !file.commit())) {
            result.diagnostics.append(wholeFileProblem(path, file.errorString()));
            return;
        }
        result.written.append(path);
        result.sourceOf.insert(path, output.source);
    }
}

} // namespace

bool isGameFolder(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("dat1"))).isDir();
}

bool isSourcesFolder(const QString& folder) {
    return QFileInfo(folder).isDir() && !isGameFolder(folder);
}

PackResult packStory(const QString& sources, const QString& gameFolder) {
    PackResult result;
    const QDir sourceDir(sources);
    if (!sourceDir.exists()) {
        result.diagnostics.append(wholeFileProblem(sources, QStringLiteral("no such folder")));
        return result;
    }
    if (isGameFolder(sources)) {
        result.diagnostics.append(wholeFileProblem(
            sources, QStringLiteral("a game folder already (it holds dat1/), not sources")));
        return result;
    }
    const QFileInfo output(gameFolder);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(sources).canonicalFilePath()) {
        result.diagnostics.append(wholeFileProblem(
            gameFolder,
            QStringLiteral("the output folder is the sources folder; nothing written")));
        return result;
    }
    QList<Output> outputs = packSources(sourceDir, result.diagnostics);
    const bool noScripts = std::none_of(outputs.cbegin(), outputs.cend(), [](const Output& o) {
        return o.name.startsWith(QLatin1String("dat1/"));
    });
    if (noScripts) {
        result.diagnostics.append(wholeFileProblem(sources, QStringLiteral("no scripts (*.txt)")));
    }
    if (hasErrors(result.diagnostics)) {
        return result;
    }
    std::sort(outputs.begin(), outputs.end(),
              [](const Output& a, const Output& b) { return a.name < b.name; });
    writeOutputs(gameFolder, outputs, result);
    return result;
}

} // namespace content
