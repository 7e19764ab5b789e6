#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace content {

// Tells when files in folder trees have been saved: each folder, its subfolders and their files
// are watched, and changed() comes once the saves have settled for a moment, so that an editor's
// several writes for one save give one signal. Editors that save by writing a new file and
// renaming it over the old one end the watch on the old file, so every path is watched afresh
// after each change; folders and files made since are then watched too. Hidden files (an editor's
// swap and lock files) are not watched.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int settleMilliseconds = 200;

    explicit FolderWatcher(QStringList folders, QObject* parent = nullptr);

Q_SIGNALS:
    void changed();

private:
    void watchAll();
    void settled();

    QStringList folders_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace content
