#include "pack/story_content.h"

#include "pack/story_pack.h"
#include "text/picture_description.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>

namespace content {

namespace {

// Where the sources `new` writes keep each kind of file, by the suffix of the file packed.
const QHash<QString, QString> newStoryFolders = {
    {QStringLiteral("txt"), QStringLiteral("story")},
    {QStringLiteral("bmp"), QStringLiteral("pictures")},
    {QStringLiteral("description"), QStringLiteral("pictures")},
    {QStringLiteral("wav"), QStringLiteral("sounds")},
};

// The suffix an author's missing file is named with, by the suffix of the file packed.
const QHash<QString, QString> sourceSuffixes = {
    {QStringLiteral("txt"), QStringLiteral("txt")},
    {QStringLiteral("bmp"), QStringLiteral("png")},
    {QStringLiteral("description"), QStringLiteral("description")},
    {QStringLiteral("wav"), QStringLiteral("wav")},
};

// For each kind of file packed, the folder below the sources that holds most of its sources.
QHash<QString, QString> foldersOfKinds(const QString& sources,
                                       const QHash<QString, QString>& sourceOf) {
    QHash<QString, QMap<QString, int>> counts;
    const QDir top(QFileInfo(sources).absoluteFilePath());
    for (auto it = sourceOf.cbegin(); it != sourceOf.cend(); ++it) {
        QString folder = top.relativeFilePath(QFileInfo(it.value()).absolutePath());
        if (folder == QLatin1String(".")) {
            folder.clear();
        }
        ++counts[QFileInfo(it.key()).suffix()][folder];
    }
    QHash<QString, QString> folders = newStoryFolders;
    for (auto kind = counts.cbegin(); kind != counts.cend(); ++kind) {
        const auto most = std::max_element(kind->cbegin(), kind->cend());
        folders.insert(kind.key(), most.key());
    }
    return folders;
}

} // namespace

StoryContent::StoryContent(const QString& folder)
    : folder_(folder) {
    if (isGameFolder(folder)) {
        gameFolder_ = QDir::cleanPath(folder);
        return;
    }
    scratch_ = std::make_unique<QTemporaryDir>();
    gameFolder_ = scratch_->path();
    kindFolder_ = newStoryFolders;
}

bool StoryContent::pack() {
    if (!fromSources()) {
        return true;
    }
    if (!scratch_->isValid()) {
        packDiagnostics_ = {{folder_, 0, 0,
                             QStringLiteral("cannot make a scratch folder to pack into: ") +
                                 scratch_->errorString()}};
        return false;
    }
    PackResult result = packStory(folder_, gameFolder_);
    packDiagnostics_ = std::move(result.diagnostics);
    if (hasErrors(packDiagnostics_)) {
        return false;
    }
    sourceOf_ = std::move(result.sourceOf);
    kindFolder_ = foldersOfKinds(folder_, sourceOf_);
    return true;
}

QStringList StoryContent::watchedFolders() const {
    if (fromSources()) {
        return {folder_};
    }
    return {gameFolder_ + QStringLiteral("/dat1"), gameFolder_ + QStringLiteral("/dat2")};
}

QString StoryContent::authorPath(const QString& path) const {
    const QString clean = QDir::cleanPath(path);
    if (!fromSources() || !clean.startsWith(gameFolder_ + QLatin1Char('/'))) {
        return path;
    }
    const QString file = clean.mid(gameFolder_.size() + 1);
    const auto source = sourceOf_.constFind(file);
    return QDir::cleanPath(source != sourceOf_.cend() ? *source : missingSource(file));
}

// Beside the sources of its kind, under the name it would have as a source; a description beside
// its picture's source.
QString StoryContent::missingSource(const QString& file) const {
    const QFileInfo packed(file);
    const QString suffix = packed.suffix();
    const auto picture = sourceOf_.constFind(QStringLiteral("dat2/") + packed.completeBaseName() +
                                             QStringLiteral(".bmp"));
    if (QLatin1Char('.') + suffix == QLatin1String(text::descriptionSuffix) &&
        picture != sourceOf_.cend()) {
        return QFileInfo(*picture).path() + QLatin1Char('/') + packed.fileName();
    }
    if (!kindFolder_.contains(suffix)) {
        return QDir(folder_).filePath(file);
    }
    const QString name =
        packed.completeBaseName() + QLatin1Char('.') + sourceSuffixes.value(suffix);
    const QString folder = kindFolder_.value(suffix);
    return QDir(folder_).filePath(folder.isEmpty() ? name : folder + QLatin1Char('/') + name);
}

QString StoryContent::packedPath(const QString& authorFile) const {
    const QString clean = QDir::cleanPath(authorFile);
    if (!fromSources()) {
        return clean.startsWith(gameFolder_ + QLatin1Char('/')) ? clean : QString();
    }
    for (auto it = sourceOf_.cbegin(); it != sourceOf_.cend(); ++it) {
        if (QDir::cleanPath(*it) == clean) {
            return gameFolder_ + QLatin1Char('/') + it.key();
        }
    }
    return {};
}

QString StoryContent::nameSources(QString message) const {
    if (!fromSources()) {
        return message;
    }
    static const QString rest = QStringLiteral("/dat[12]/[^/\\s\"']+?\\.(txt|bmp|wav|description)");
    const QRegularExpression packed(QRegularExpression::escape(gameFolder_) + rest);
    QString named;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : packed.globalMatch(message)) {
        named += message.mid(from, match.capturedStart() - from) + authorPath(match.captured());
        from = match.capturedEnd();
    }
    return named + message.mid(from);
}

} // namespace content
