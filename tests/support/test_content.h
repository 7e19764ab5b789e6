#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A program folder made by a test: dat1/ and dat2/ with the title picture, and whatever scripts,
// pictures and sounds the test writes into it.
class TestContent {
public:
    explicit TestContent(const QString& subfolder = QString());

    QString folder() const { return folder_; }
    QString dat1() const { return folder_ + QStringLiteral("/dat1/"); }
    QString dat2() const { return folder_ + QStringLiteral("/dat2/"); }
    QString path(const QString& relativePath) const { return folder_ + '/' + relativePath; }

    // A script from lines, encoded as code page 932 and ended with CR LF each.
    void writeScript(const QString& name, const QStringList& lines);
    // A small picture "<name>.bmp" of one colour.
    void writePicture(const QString& name, const QColor& color = Qt::darkCyan);
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    // Copies the files of another program folder's dat1/ and dat2/ over these.
    void copyFrom(const QString& folder);
    // A quiet sound of 0.1 s, "dat2/<name>".
    void writeSound(const QString& name);
    // A story where every event of normal play is its name as one line and a choice of
    // "A <name>" and "B <name>"; "name_end" types "fin" and "end" types "credits".
    void writeStory();
    void remove(const QString& relativePath);

private:
    QTemporaryDir dir_;
    QString folder_;
};

// Every file and folder below the folder with its size and time of last change, sorted.
QStringList folderSnapshot(const QString& folder);
