#include "support/test_content.h"

#include "text/cp932.h"
#include "wave_file.h"

#include <QDir>
#include <QDirIterator>
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

void TestContent::copyFrom(const QString& folder) {
    for (const char* sub : {"/dat1/", "/dat2/"}) {
        QDirIterator files(folder + sub, QDir::Files);
        while (files.hasNext()) {
            const QString target = folder_ + sub + QFileInfo(files.next()).fileName();
            QFile::remove(target);
            QFile::copy(files.filePath(), target);
        }
    }
}

void TestContent::writeSound(const QString& name) {
    generator::MonoSound sound;
    sound.samples.assign(2205, 0.1f);
    writeFile(QStringLiteral("dat2/") + name, generator::waveFileBytes(sound));
}

void TestContent::writeScript(const QString& name, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += text::encodeCp932(line).bytes + "\r\n";
    }
    writeFile(QStringLiteral("dat1/") + name + QStringLiteral(".txt"), bytes);
}

void TestContent::writePicture(const QString& name, const QColor& color) {
    QImage image(8, 6, QImage::Format_RGB888);
    image.fill(color);
    image.save(dat2() + name + QStringLiteral(".bmp"), "BMP");
}

void TestContent::writeStory() {
    QStringList names = {QStringLiteral("zoa")};
    for (int n = 0; n < 5; ++n) {
        names << QStringLiteral("a_%1").arg(n) << QStringLiteral("b_%1").arg(n);
    }
    for (int c = 0; c < 5; ++c) {
        for (int scene = 0; scene <= 10; ++scene) {
            names << QStringLiteral("char%1%2").arg(c).arg(scene);
        }
        writePicture(QString::number(c));
        writePicture(QStringLiteral("char%1").arg(c));
    }
    for (const QString& name : names) {
        writeScript(name, {name, QStringLiteral(">"), QStringLiteral("A ") + name,
                           QStringLiteral("B ") + name});
        writePicture(name);
    }
    writeScript(QStringLiteral("name_end"), {QStringLiteral("fin")});
    writePicture(QStringLiteral("name_end"));
    writeScript(QStringLiteral("end"), {QStringLiteral("credits")});
}

void TestContent::remove(const QString& relativePath) {
    QFile::remove(folder_ + QLatin1Char('/') + relativePath);
}

QStringList folderSnapshot(const QString& folder) {
    QStringList entries;
    QDirIterator files(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo info(files.next());
        entries.append(info.filePath() + " " + QString::number(info.size()) + " " +
                       info.lastModified().toString(Qt::ISODateWithMs));
    }
    entries.sort();
    return entries;
}
