#pragma once

#include <QDir>
#include <QString>

namespace content {

// A game folder as the checks see it: scripts in dat1/, pictures and sounds in dat2/. Paths are
// built from the folder as given, so findings name files the way the author typed the folder.
struct ContentFolder {
    QString dat1;
    QString dat2;

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
