#include "preview/folder_watcher.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace content {

FolderWatcher::FolderWatcher(QStringList folders, Predicate watched, QObject* parent)
    : QObject(parent)
    , folders_(std::move(folders))
    , watched_(std::move(watched)) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &FolderWatcher::settled);
    watchAll();
    stamps_ = stamps();
}

QHash<QString, FolderWatcher::Stamp> FolderWatcher::stamps() const {
    QHash<QString, Stamp> stamps;
    for (const QString& folder : folders_) {
        for (QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
             files.hasNext();) {
            const QFileInfo file(files.next());
            if (watched_(file)) {
                stamps.insert(file.filePath(), {file.size(), file.lastModified()});
            }
        }
    }
    return stamps;
}

// Every folder, subfolder and file below the folders; for a folder that is gone, the folder
// above it, to see it made again.
void FolderWatcher::watchAll() {
    QStringList paths;
    for (const QString& folder : folders_) {
        if (!QFileInfo(folder).isDir()) {
            paths.append(QFileInfo(folder).absolutePath());
            continue;
        }
        paths.append(folder);
        QDirIterator entries(folder, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            paths.append(entries.next());
        }
    }
    QStringList unwanted = watcher_.files() + watcher_.directories();
    unwanted.removeIf([&paths](const QString& path) { return paths.contains(path); });
    if (!unwanted.isEmpty()) {
        watcher_.removePaths(unwanted);
    }
    const QStringList watched = watcher_.files() + watcher_.directories();
    paths.removeIf([&watched](const QString& path) {
        return watched.contains(path) || !QFileInfo::exists(path);
    });
    if (!paths.isEmpty()) {
        watcher_.addPaths(paths);
    }
}

void FolderWatcher::settled() {
    watchAll();
    const QHash<QString, Stamp> now = stamps();
    QSet<QString> changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (stamps_.value(it.key()) != *it) {
            changed.insert(it.key());
        }
    }
    for (auto it = stamps_.cbegin(); it != stamps_.cend(); ++it) {
        if (!now.contains(it.key())) {
            changed.insert(it.key());
        }
    }
    stamps_ = now;
    if (!changed.isEmpty()) {
        QStringList files = changed.values();
        files.sort();
        Q_EMIT saved(files);
    }
}

} // namespace content
