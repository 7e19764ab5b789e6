#pragma once

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

// Writes a fuzz input to a file of the given name in a scratch folder kept for the whole run, as
// the readers under test open files by path; returns its path, or an empty one if it could not
// be written.
inline QString writeFuzzInput(const std::uint8_t* data, std::size_t size, const QString& name) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    const auto length = static_cast<qint64>(size);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), length) != length) {
        return QString();
    }
    return path;
}
