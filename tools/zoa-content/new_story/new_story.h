#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace content {

// One file of a story's sources: its path below the sources folder and its bytes.
struct SourceFile {
    QString path;
    QByteArray bytes;
};

// The sources of a story that plays at once, for an author to make their own: README.txt; in
// story/ a UTF-8 script for every event of normal play and every later event that check asks
// for, each naming its event and ending with a choice where the story goes on; in pictures/ a
// placeholder PNG with its name on it for every picture the game shows with them, and beside
// each its description (NAME.description: what it stands for; a face's says whose it is); in
// sounds/ the game's three sounds. Drawing the pictures needs a QGuiApplication.
QList<SourceFile> newStorySources();

// What keeps the folder from taking a new story (it is a file, or a folder that holds anything),
// or an empty text.
QString refusalOfFolder(const QString& folder);

// Writes the files into the folder, making it and its subfolders, all at once or not at all;
// returns what went wrong, with the system's reason, or an empty text.
QString writeSources(const QString& folder, const QList<SourceFile>& files);

} // namespace content
