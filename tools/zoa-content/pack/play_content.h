#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace content {

// The content a play runs over: a game folder as it is named, or a story's sources folder packed
// into a scratch game folder. The scratch folder keeps its path for the whole play, so that a
// window opened over it reads each new pack.
class PlayContent {
public:
    // The pack's diagnostics are written to report.
    explicit PlayContent(const QString& folder, std::FILE* report = stderr);

    // Packs the sources again (a game folder needs nothing) and writes the pack's diagnostics;
    // returns false on errors, which leave the last pack as it was.
    bool pack();
    // Holds dat1/ and dat2/.
    QString gameFolder() const { return gameFolder_; }
    // Where a saved file changes the content: the sources folder, or the game folder's dat1/ and
    // dat2/.
    QStringList watchedFolders() const;
    // The message with each path of a packed file in it replaced by the author's file it was
    // made from, and any other path in the scratch folder by the same name in the sources.
    QString nameSources(QString message) const;

private:
    QString sources_; // empty for a game folder
    QTemporaryDir scratch_;
    QString gameFolder_;
    std::FILE* report_;
    QHash<QString, QString> sourceOf_; // of the last pack without errors
};

} // namespace content
