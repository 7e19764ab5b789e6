// zoa-content pack: code page 932 output with CR LF line ends, the stand-ins of JIS forms, and,
// run as the build runs it, errors that name the place and leave the output folder as it was.
#include "commands/pack.h"
#include "commands/script_source.h"
#include "platform/cp932.h"
#include "support/tool_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun pack(const QString& sources, const QString& output) {
    return runTool(ZOA_CONTENT_TOOL, {QStringLiteral("pack"), sources, output});
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A sources folder and an output folder side by side.
struct Folders {
    QTemporaryDir dir;
    QString sources() const { return dir.filePath(QStringLiteral("story")); }
    QString output() const { return dir.filePath(QStringLiteral("dat1")); }
    Folders() { QDir().mkpath(sources()); }
};

} // namespace

class PackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void packedFileHasCrLfLineEndsAndCodePage932Bytes_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("packed");
        QTest::newRow("mixed line ends")
            << QByteArray("a\r\nb\nc\n") << QByteArray("a\r\nb\r\nc\r\n");
        QTest::newRow("lone CR ends a line as in the game")
            << QByteArray("a\rb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("last line without line end")
            << QByteArray("a\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("no extra line after the last") << QByteArray("a\n") << QByteArray("a\r\n");
        QTest::newRow("empty lines the author wrote")
            << QByteArray("a\n\nb\n\n") << QByteArray("a\r\n\r\nb\r\n\r\n");
        QTest::newRow("empty source") << QByteArray() << QByteArray();
        QTest::newRow("byte order mark dropped")
            << QByteArray("\xEF\xBB\xBF>\n") << QByteArray(">\r\n");
        QTest::newRow("so: trail byte is a backslash")
            << QByteArray("ソ\n") << QByteArray("\x83\x5C\r\n");
        QTest::newRow("half-width kana are one byte")
            << QByteArray("ｿﾞｱ\n") << QByteArray("\xBF\xDE\xB1\r\n");
        QTest::newRow("choice block")
            << QByteArray(">\nはい\nいいえ\n")
            << QByteArray(">\r\n\x82\xCD\x82\xA2\r\n\x82\xA2\x82\xA2\x82\xA6\r\n");
    }

    void packedFileHasCrLfLineEndsAndCodePage932Bytes() {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, packed);
        const content::ScriptSource script = content::readScriptSource("s", source);
        QCOMPARE(script.diagnostics.size(), 0);
        QCOMPARE(content::packScript("s", script.lines).bytes, packed);
    }

    void errorsNameTheirPlaceAndNothingIsWritten_data() {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("errors"); // after "<file>:"
        const auto cannot = [](const char* place, const QString& character) {
            return QString("%1: error: character %2 cannot be written in code page 932")
                .arg(place, character);
        };
        const QString notUtf8 = ": error: bytes that are not UTF-8 (the source must be UTF-8 text)";
        QTest::newRow("euro sign")
            << QByteArray("ok\nab€c\n") << QStringList{cannot("2:3", "U+20AC \"€\"")};
        QTest::newRow("yen sign would come back as a backslash")
            << QByteArray("¥100\n") << QStringList{cannot("1:1", "U+00A5 \"¥\"")};
        QTest::newRow("a pair of surrogates is one column")
            << QByteArray("あ😀€\n")
            << QStringList{cannot("1:2", "U+1F600 \"😀\""), cannot("1:3", "U+20AC \"€\"")};
        QTest::newRow("control character without a glyph")
            << QByteArray("a\xC2\x85\n") << QStringList{cannot("1:2", "U+0085")};
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("\x83\x5C\nab\xFF\n") << QStringList{"1:1" + notUtf8, "2:3" + notUtf8};
    }

    void errorsNameTheirPlaceAndNothingIsWritten() {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, errors);
        Folders folders;
        // A good script before and after the bad one, and an older packed file in the output.
        writeBytes(folders.sources() + QStringLiteral("/a_0.txt"), "good\n");
        writeBytes(folders.sources() + QStringLiteral("/bad.txt"), source);
        writeBytes(folders.sources() + QStringLiteral("/zoa.txt"), "good\n");
        QVERIFY(QDir().mkpath(folders.output()));
        writeBytes(folders.output() + QStringLiteral("/zoa.txt"), "old\r\n");

        const ToolRun run = pack(folders.sources(), folders.output());
        QCOMPARE(run.exitCode, 1);
        QStringList expected;
        const QString file = folders.sources() + QStringLiteral("/bad.txt:");
        for (const QString& error : errors) {
            expected.append(file + error);
        }
        QCOMPARE(run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(QDir(folders.output()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("zoa.txt")});
        QCOMPARE(readBytes(folders.output() + QStringLiteral("/zoa.txt")), QByteArray("old\r\n"));
    }

    void folderMistakesAreErrors_data() {
        QTest::addColumn<QString>("mistake");
        QTest::newRow("missing sources folder") << QStringLiteral("missing");
        QTest::newRow("sources folder without scripts") << QStringLiteral("empty");
        QTest::newRow("output folder is the sources folder") << QStringLiteral("same");
    }

    void folderMistakesAreErrors() {
        QFETCH(QString, mistake);
        Folders folders;
        QString sources = folders.sources();
        QString output = folders.output();
        if (mistake == QLatin1String("missing")) {
            sources = folders.dir.filePath(QStringLiteral("nowhere"));
        } else if (mistake == QLatin1String("same")) {
            writeBytes(sources + QStringLiteral("/zoa.txt"), "ソ\n");
            output = sources + QStringLiteral("/.");
        }
        const ToolRun run = pack(sources, output);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral(": error: ")), qPrintable(run.err));
        if (mistake == QLatin1String("same")) {
            QCOMPARE(readBytes(sources + QStringLiteral("/zoa.txt")), QByteArray("ソ\n"));
        } else {
            QVERIFY(!QFileInfo::exists(output));
        }
    }

    // Each row: the typed character, the bytes written, and the character the game reads back.
    void jisFormsAreWrittenAsTheirCodePage932StandIns_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("readBack");
        QTest::addColumn<QString>("note");
        const auto row = [](const char* name, const QString& typed, const QByteArray& written,
                            const QString& readBack, const QString& note) {
            QTest::newRow(name) << typed << written << readBack << note;
        };
        row("wave dash", "〜", "\x81\x60", "～",
            "U+301C \"〜\" written as 0x8160 (read back as U+FF5E \"～\")");
        row("double vertical line", "‖", "\x81\x61", "∥",
            "U+2016 \"‖\" written as 0x8161 (read back as U+2225 \"∥\")");
        row("minus sign", "−", "\x81\x7C", "－",
            "U+2212 \"−\" written as 0x817C (read back as U+FF0D \"－\")");
        row("cent sign", "¢", "\x81\x91", "￠",
            "U+00A2 \"¢\" written as 0x8191 (read back as U+FFE0 \"￠\")");
        row("pound sign", "£", "\x81\x92", "￡",
            "U+00A3 \"£\" written as 0x8192 (read back as U+FFE1 \"￡\")");
        row("not sign", "¬", "\x81\xCA", "￢",
            "U+00AC \"¬\" written as 0x81CA (read back as U+FFE2 \"￢\")");
        row("em dash", "—", "\x81\x5C", "―",
            "U+2014 \"—\" written as 0x815C (read back as U+2015 \"―\")");
    }

    // Each is noted once per file, at its first place, and the game reads back the stand-in.
    void jisFormsAreWrittenAsTheirCodePage932StandIns() {
        QFETCH(QString, typed);
        QFETCH(QByteArray, written);
        QFETCH(QString, readBack);
        QFETCH(QString, note);
        const content::PackedScript packed = content::packScript("s", {"え" + typed, "", typed});
        QCOMPARE(packed.bytes, "\x82\xA6" + written + "\r\n\r\n" + written + "\r\n");
        QCOMPARE(packed.diagnostics.size(), 1);
        QCOMPARE(packed.diagnostics.first().toString(), "s:1:2: note: " + note);
        QCOMPARE(platform::decodeCp932(written), readBack);
    }
};

QTEST_GUILESS_MAIN(PackTest)
#include "pack_test.moc"
