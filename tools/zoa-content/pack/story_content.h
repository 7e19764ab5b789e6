#pragma once

#include "checks/diagnostic.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace content {

// The content a command runs on, from the folder an author names: a game folder as it is, or a
// story's sources packed into a scratch game folder that lasts as long as this object and keeps
// its path from one pack to the next. Paths in the game folder are named as the author knows
// them: by the source a file was packed from, or, for a file the story lacks, where among the
// sources it belongs (beside the others of its kind).
class StoryContent {
public:
    explicit StoryContent(const QString& folder);

    // Packs the sources again; a game folder needs nothing. Returns false when the pack has errors:
    // the game folder then holds the last pack without errors, if any.
    bool pack();
    // What the last pack found; empty for a game folder.
    const QList<Diagnostic>& packDiagnostics() const { return packDiagnostics_; }
    bool fromSources() const { return scratch_ != nullptr; }
    // The folder as the author named it.
    const QString& folder() const { return folder_; }
    // Holds dat1/ and dat2/.
    const QString& gameFolder() const { return gameFolder_; }
    // Where a saved file changes the content: the sources folder, or the game folder's dat1/ and
    // dat2/.
    QStringList watchedFolders() const;
    // The author's name for a path in the game folder; any other path as it is.
    QString authorPath(const QString& path) const;
    // The path in the game folder of the file the last pack made of an author's file (a source,
    // or a file of the game folder itself); an empty text for none.
    QString packedPath(const QString& authorFile) const;
    // The message with every path into the game folder named by authorPath.
    QString nameSources(QString message) const;

private:
    QString missingSource(const QString& file) const;

    QString folder_;
    std::unique_ptr<QTemporaryDir> scratch_;
    QString gameFolder_;
    QList<Diagnostic> packDiagnostics_;
    QHash<QString, QString> sourceOf_;   // of the last pack without errors, by output name
    QHash<QString, QString> kindFolder_; // "dat1" or "dat2", or an output's suffix: its folder
};

} // namespace content
