#include "support/test_content.h"

#include "platform/cp932.h"

#include <QDir>
#include <QFile>
#include <QImage>

TestContent::TestContent(const QString& subfolder) {
    folder_ = dir_.path();
    if (!subfolder.isEmpty()) {
        folder_ += QLatin1Char('/') + subfolder;
    }
    QDir().mkpath(folder_ + QStringLiteral("/dat1"));
    QDir().mkpath(folder_ + QStringLiteral("/dat2"));
    writePicture(QStringLiteral("opn"), QColor(200, 40, 120));
}

void TestContent::writeFile(const QString& relativePath, const QByteArray& bytes) {
    QFile file(folder_ + QLatin1Char('/') + relativePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

void TestContent::writeScriptBytes(const QString& name, const QByteArray& bytes) {
    writeFile(QStringLiteral("dat1/") + name + QStringLiteral(".txt"), bytes);
}

void TestContent::writeScript(const QString& name, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += cp932(line) + "\r\n";
    }
    writeScriptBytes(name, bytes);
}

void TestContent::writePicture(const QString& name, const QColor& color) {
    QImage image(8, 6, QImage::Format_RGB888);
    image.fill(color);
    image.save(dat2() + name + QStringLiteral(".bmp"), "BMP");
}

void TestContent::remove(const QString& relativePath) {
    QFile::remove(folder_ + QLatin1Char('/') + relativePath);
}

QByteArray cp932(const QString& text) {
    return platform::encodeCp932(text).bytes;
}
