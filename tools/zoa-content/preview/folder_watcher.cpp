#include "preview/folder_watcher.h"

#include <QDirIterator>

namespace content {

FolderWatcher::FolderWatcher(QStringList folders, QObject* parent)
    : QObject(parent)
    , folders_(std::move(folders)) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, &settle_, qOverload<>(&QTimer::start));
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &settle_,
            qOverload<>(&QTimer::start));
    connect(&settle_, &QTimer::timeout, this, &FolderWatcher::settled);
    watchAll();
}

void FolderWatcher::watchAll() {
    QStringList paths;
    for (const QString& folder : folders_) {
        paths.append(folder);
        QDirIterator entries(folder, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            paths.append(entries.next());
        }
    }
    const QStringList watched = watcher_.files() + watcher_.directories();
    paths.removeIf([&watched](const QString& path) { return watched.contains(path); });
    if (!paths.isEmpty()) {
        watcher_.addPaths(paths);
    }
}

void FolderWatcher::settled() {
    watchAll();
    Q_EMIT changed();
}

} // namespace content
