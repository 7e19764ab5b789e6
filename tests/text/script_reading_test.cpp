// Script files: line structure and code page 932 decoding.
#include "text/cp932.h"
#include "text/script_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ScriptReadingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QStringList readAll(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("script.txt"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        text::ScriptFile script;
        if (!script.open(path)) {
            return {QStringLiteral("<not opened>")};
        }
        QStringList lines;
        while (!script.atEnd()) {
            lines.append(script.readLine());
        }
        return lines;
    }

private Q_SLOTS:
    // CR LF and a lone CR end a line; a lone LF stays; the last line needs no separator.
    void linesAreSplitAtCrLfAndLoneCr_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("crlf") << QByteArray("one\r\ntwo\r\n") << QStringList{"one", "two"};
        QTest::newRow("lone lf stays") << QByteArray("one\ntwo\r\n") << QStringList{"one\ntwo"};
        QTest::newRow("no final separator")
            << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
        QTest::newRow("cr cr lf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("final lone cr") << QByteArray("a\r") << QStringList{"a"};
        QTest::newRow("empty file") << QByteArray() << QStringList();
    }
    void linesAreSplitAtCrLfAndLoneCr() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(readAll(bytes), lines);
    }

    // A line longer than the reader's buffer comes back whole, and so does what follows it.
    void longLinesCrossBufferBoundaries() {
        const QByteArray longLine(200000, 'x');
        QCOMPARE(readAll(longLine + "\r\nend"),
                 QStringList({QString::fromLatin1(longLine), "end"}));
        // The CR of a CR LF pair as the last byte of a buffer.
        const QByteArray edge = QByteArray(64 * 1024 - 1, 'y') + "\r\nz";
        QCOMPARE(readAll(edge).size(), 2);
        QCOMPARE(readAll(edge).at(1), QStringLiteral("z"));
    }

    void decodesCodePage932_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("so with backslash trail") << QByteArray("\x83\x5c") << QStringLiteral("ソ");
        QTest::newRow("nec circled one") << QByteArray("\x87\x40") << QStringLiteral("①");
        QTest::newRow("ibm extension") << QByteArray("\xfa\x40") << QStringLiteral("ⅰ");
        QTest::newRow("half-width kana") << QByteArray("\xb1\xdd") << QStringLiteral("ｱﾝ");
        QTest::newRow("control bytes stay")
            << QByteArray("\x1a\x1c\x7f") << QStringLiteral("\x1a\x1c\x7f");
        QTest::newRow("wave dash") << QByteArray("\x81\x60") << QStringLiteral("～");
        QTest::newRow("undefined singles") << QByteArray("a\x80\xa0\xfd\xfe\xff")
                                           << QStringLiteral("a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
        QTest::newRow("lead without trail") << QByteArray("\x82") << QStringLiteral("\uFFFD");
        QTest::newRow("lead with ascii control") << QByteArray("\x82\nb") << QString("\uFFFD\nb");
        QTest::newRow("lead before DEL") << QByteArray("\x82\x7f") << QStringLiteral("\uFFFD\x7f");
        QTest::newRow("unassigned pair") << QByteArray("\x85\x40") << QStringLiteral("\uFFFD");
    }
    void decodesCodePage932() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(text::decodeCp932(bytes), text);
    }

    // Every line is decoded on its own: a lead byte at a line's end does not swallow the CR.
    void leadByteBeforeSeparatorStaysInItsLine() {
        QCOMPARE(readAll("\x82\r\n\x82\xa0"), QStringList({"\uFFFD", "あ"}));
    }
};

QTEST_GUILESS_MAIN(ScriptReadingTest)
#include "script_reading_test.moc"
