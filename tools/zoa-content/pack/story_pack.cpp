#include "pack/story_pack.h"

#include "checks/picture_descriptions.h"
#include "media/sdl_media_service.h"
#include "pack/media_source.h"
#include "pack/pack_writer.h"
#include "pack/script_pack.h"
#include "sound/sound_module.h"
#include "text/picture_description.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>

namespace content {

namespace {

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

// The file a source is packed to, relative to the game folder.
QString outputName(SourceKind kind, const QFileInfo& file) {
    const QString name = file.completeBaseName();
    switch (kind) {
    case SourceKind::Script:
        return QStringLiteral("dat1/") + name + QStringLiteral(".txt");
    case SourceKind::Picture:
        return QStringLiteral("dat2/") + name + QStringLiteral(".bmp");
    case SourceKind::Description:
        return QStringLiteral("dat2/") + name + QLatin1String(text::descriptionSuffix);
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

Diagnostic wholeFileProblem(const QString& file, const QString& message,
                            Severity severity = Severity::Error) {
    return {file, 0, 0, message, severity};
}

// The game plays an effect from memory, up to a size; the music streams, up to what a WAV holds.
qint64 largestSound(const QString& output) {
    return output == QStringLiteral("dat2/") + sound::musicFile
               ? largestWaveData
               : media::SdlMediaService::defaultMaxEffectBytes;
}

// Copies the file as it is, piece by piece.
QString copyFile(const QString& path, QIODevice& out) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot be read: ") + in.errorString();
    }
    constexpr qint64 piece = 1 << 16;
    while (!in.atEnd()) {
        const QByteArray bytes = in.read(piece);
        if (bytes.isEmpty() && in.error() != QFileDevice::NoError) {
            return QStringLiteral("cannot be read: ") + in.errorString();
        }
        if (out.write(bytes) != bytes.size()) {
            return QStringLiteral("cannot be written: ") + out.errorString();
        }
    }
    return {};
}

// Writes the source as the game's file; returns why it cannot be read, or an empty text.
QString writeOutput(SourceKind kind, const QString& path, const QString& name, QFile& out,
                    QList<Diagnostic>& diagnostics) {
    switch (kind) {
    case SourceKind::Script: {
        const QByteArray bytes = packScriptFile(path, diagnostics);
        return out.write(bytes) == bytes.size() ? QString() : out.errorString();
    }
    case SourceKind::Picture:
        return writePictureAsBmp(path, out);
    case SourceKind::Description: {
        const QString problem = copyFile(path, out);
        if (problem.isEmpty()) {
            diagnostics += checkDescriptionText(path);
        }
        return problem;
    }
    default:
        return writeSoundAsWav(path, out, largestSound(name));
    }
}

// Reads and writes every source into the pack; complete only when no error was found.
void packSources(const QDir& sources, PackWriter& writer, PackResult& result) {
    QHash<QString, QString> sourceOfName;
    for (const QString& path : sourceFiles(sources)) {
        const QFileInfo file(path);
        const SourceKind kind = kindOf(file);
        if (kind == SourceKind::Skipped) {
            continue;
        }
        if (kind == SourceKind::Unknown) {
            result.diagnostics.append(wholeFileProblem(
                path, QStringLiteral("not a script, picture or sound; skipped"), Severity::Note));
            continue;
        }
        const QString name = outputName(kind, file);
        if (sourceOfName.contains(name)) {
            result.diagnostics.append(wholeFileProblem(
                path, QStringLiteral("packs to %1, as %2 does: keep one of the two")
                          .arg(name, sourceOfName.value(name))));
            continue;
        }
        sourceOfName.insert(name, path);
        QFile* out = writer.open(name);
        if (out == nullptr) {
            return;
        }
        const QString problem = writeOutput(kind, path, name, *out, result.diagnostics);
        if (!writer.close()) {
            return;
        }
        if (!problem.isEmpty()) {
            result.diagnostics.append(wholeFileProblem(path, problem));
        }
        result.sourceOf.insert(name, path);
    }
}

// Why the folders cannot be packed one into the other, or an empty text.
QString refusal(const QString& sources, const QString& gameFolder) {
    if (!QFileInfo(sources).isDir()) {
        return QStringLiteral("no such folder");
    }
    if (isGameFolder(sources)) {
        return QStringLiteral("a game folder already (it holds dat1/), not sources");
    }
    const QFileInfo output(gameFolder);
    if (output.exists() && output.canonicalFilePath() == QFileInfo(sources).canonicalFilePath()) {
        return QStringLiteral("the output folder is the sources folder; nothing written");
    }
    return {};
}

} // namespace

bool isGameFolder(const QString& folder) {
    return QFileInfo(QDir(folder).filePath(QStringLiteral("dat1"))).isDir();
}

SourceKind kindOf(const QFileInfo& file) {
    if (skippedSilently(file.fileName())) {
        return SourceKind::Skipped;
    }
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("txt")) {
        return SourceKind::Script;
    }
    if (QLatin1Char('.') + suffix == QLatin1String(text::descriptionSuffix)) {
        return SourceKind::Description;
    }
    if (isSoundSuffix(suffix)) {
        return SourceKind::Sound;
    }
    return isPictureSuffix(suffix) ? SourceKind::Picture : SourceKind::Unknown;
}

PackResult packStory(const QString& sources, const QString& gameFolder) {
    PackResult result;
    const QString refused = refusal(sources, gameFolder);
    if (!refused.isEmpty()) {
        result.diagnostics.append(wholeFileProblem(sources, refused));
        return result;
    }
    const QDir sourceDir(sources);
    PackWriter writer(gameFolder, true);
    packSources(sourceDir, writer, result);
    if (!writer.problem().message.isEmpty()) {
        result.diagnostics.append(writer.problem());
        return result;
    }
    const QStringList outputs = result.sourceOf.keys();
    if (outputs.filter(QRegularExpression(QStringLiteral("^dat1/"))).isEmpty()) {
        result.diagnostics.append(wholeFileProblem(sources, QStringLiteral("no scripts (*.txt)")));
    }
    if (!hasErrors(result.diagnostics) && !writer.commit()) {
        result.diagnostics.append(writer.problem());
    }
    return result;
}

QList<Diagnostic> strayDescriptions(const PackResult& result) {
    QStringList pictures;
    QStringList descriptions;
    for (const QString& name : result.sourceOf.keys()) {
        const QFileInfo packed(name);
        if (packed.suffix() == QLatin1String("bmp")) {
            pictures.append(packed.completeBaseName());
        } else if (name.endsWith(QLatin1String(text::descriptionSuffix))) {
            descriptions.append(name);
        }
    }
    pictures.sort();
    descriptions.sort();
    QList<Diagnostic> found;
    for (const QString& name : descriptions) {
        if (!pictures.contains(QFileInfo(name).completeBaseName())) {
            found.append(descriptionOfNoPicture(result.sourceOf.value(name), pictures));
        }
    }
    return found;
}

} // namespace content
