#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace content {

// Tells which files of folder trees have been saved, made or removed: each folder, its subfolders
// and their files are watched, and once the changes have settled for a moment (an editor's
// several writes for one save) saved() names the files that differ from before, of those the
// predicate takes (a story's scripts, pictures and sounds, not an editor's probe or notes).
// Editors that save by writing a new file and renaming it over the old one end the watch on the
// old file, so every path is watched afresh after each change; folders and files made since are
// then watched too, and so is a watched folder removed and made again, whose parent is watched
// while it is gone.
// Hidden files (an editor's swap and lock files) are not watched.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int settleMilliseconds = 200;
    using Predicate = std::function<bool(const QFileInfo&)>;

    FolderWatcher(QStringList folders, Predicate watched, QObject* parent = nullptr);

Q_SIGNALS:
    void saved(const QStringList& files);

private:
    struct Stamp {
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    QHash<QString, Stamp> stamps() const;
    void watchAll();
    void settled();

    QStringList folders_;
    Predicate watched_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
    QHash<QString, Stamp> stamps_; // of every file the predicate takes, by path
};

} // namespace content
