#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace text {

// Reads an event script strictly forward, one line at a time, decoding each line from code page
// 932 as it is read. CR LF and a lone CR end a line; a lone LF stays in the line. A last line
// without separator is a line; after a final CR LF there is no further empty line.
class ScriptFile {
public:
    // Opens a script, closing the one open before. False when the file cannot be read.
    bool open(const QString& path);
    bool isOpen() const { return file_.isOpen(); }
    // True when no line remains, and when no script is open.
    bool atEnd();
    // The next line, without its separator; empty when none remains.
    QString readLine();
    void close();
    QString path() const { return file_.fileName(); }
    // How many lines have been read since the script was opened.
    int linesRead() const { return linesRead_; }

private:
    bool fill();

    QFile file_;
    QByteArray buffer_;
    qsizetype position_ = 0;
    int linesRead_ = 0;
};

} // namespace text
