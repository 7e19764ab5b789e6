#pragma once

#include <QDir>
#include <QString>

#include <functional>

namespace content {

// A game folder as the checks see it: scripts in dat1/, pictures and sounds in dat2/. Paths are
// built from the folder as given; named() tells what the author calls a path of it (the source
// it was packed from), for messages that name a file.
struct ContentFolder {
    QString dat1;
    QString dat2;
    std::function<QString(const QString&)> named = [](const QString& path) { return path; };
    // Packed from a story's sources, whose pack told what the sources' own bytes hold.
    bool packed = false;

    explicit ContentFolder(const QString& folder)
        : dat1(QDir(folder).filePath(QStringLiteral("dat1")))
        , dat2(QDir(folder).filePath(QStringLiteral("dat2"))) {}

    QString script(const QString& event) const { return dat1 + QLatin1Char('/') + event + txt(); }
    QString picture(const QString& name) const { return dat2 + QLatin1Char('/') + name + bmp(); }
    QString sound(const QString& file) const { return dat2 + QLatin1Char('/') + file; }

    static QString txt() { return QStringLiteral(".txt"); }
    static QString bmp() { return QStringLiteral(".bmp"); }
};

} // namespace content
