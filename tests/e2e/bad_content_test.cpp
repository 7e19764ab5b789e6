// Broken content, each case played through the real game: no crash, a warning that names the
// file, a game that still answers clicks, and no file written.
#include "platform/box.h"
#include "platform/host_facts.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/random_source.h"
#include "platform/sdl_media_service.h"
#include "platform/timer.h"
#include "support/recording_message_box.h"
#include "support/test_content.h"
#include "support/trace_recorder.h"
#include "window/fom.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <unistd.h>

namespace {

void writeGoodContent(TestContent& content) {
    // Two short lines: the line sound plays twice before the choice.
    content.writeScript("zoa", {"img[pic]", "一", "二", ">", "進む", "戻る"});
    content.writePicture("zoa");
    content.writePicture("pic");
    for (const char* name : {"bgm.wav", "se.wav", "se2.wav"}) {
        content.writeSound(name);
    }
}

// Every file below the folder with its size and time of last change.
QStringList snapshot(const QString& folder) {
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

} // namespace

class BadContentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void brokenContentIsReportedAndPlayGoesOn_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("file");     // written with the bytes below, or as the kind says
        QTest::addColumn<QByteArray>("bytes"); // "<folder>", "<unreadable>", "<no folder>"
        QTest::addColumn<QString>("named");    // the file the warning names; empty: no warning
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) {
            garbage += static_cast<char>((i * 7919) % 256);
        }
        QTest::newRow("binary garbage as a script") << ""
                                                    << "dat1/zoa.txt" << garbage << "dat1/zoa.txt";
        QTest::newRow("10 MB single line")
            << ""
            << "dat1/zoa.txt" << QByteArray(10 * 1024 * 1024, 'x') << "dat1/zoa.txt";
        QTest::newRow("folder as a script")
            << ""
            << "dat1/zoa.txt" << QByteArray("<folder>") << "dat1/zoa.txt";
        QTest::newRow("script without read permission")
            << ""
            << "dat1/zoa.txt" << QByteArray("<unreadable>") << "dat1/zoa.txt";
        QTest::newRow("picture that is not a picture")
            << ""
            << "dat2/pic.bmp" << QByteArray("BM but nothing else") << "dat2/pic.bmp";
        QTest::newRow("truncated wav")
            << ""
            << "dat2/se.wav" << QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) << "dat2/se.wav";
        QTest::newRow("missing dat1") << ""
                                      << "dat1" << QByteArray("<no folder>") << "dat1/zoa.txt";
        QTest::newRow("blanks and Japanese in the folder")
            << "ゲーム フォルダ/ゾア"
            << "dat2/zoa.bmp" << QByteArray("<folder>") << "dat2/zoa.bmp";
    }
    void brokenContentIsReportedAndPlayGoesOn() {
        QFETCH(QString, subfolder);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, named);
        if (bytes == "<unreadable>" && geteuid() == 0) {
            QSKIP("the super-user reads every file");
        }
        TestContent content(subfolder);
        writeGoodContent(content);
        const QString path = content.folder() + "/" + file;
        if (bytes == "<folder>" || bytes == "<no folder>") {
            QFile::remove(path);
            QDir(path).removeRecursively();
            QVERIFY(bytes == "<no folder>" || QDir().mkdir(path));
        } else if (bytes == "<unreadable>") {
            QFile::setPermissions(path, QFileDevice::WriteOwner);
        } else {
            content.writeFile(file, bytes);
        }
        const QStringList before = snapshot(content.folder());
        TraceRecorder trace;
        {
            platform::FixedHostFacts host(content.folder(), 16200);
            platform::SdlMediaService media;
            platform::ScriptedRandom random;
            RecordingMessageBox messageBox;
            Fom fom(GamePlatform{host, media, random, messageBox});
            fom.show();
            QVERIFY(!fom.startupFailed());
            fom.Img_MouseDown(1);
            for (int i = 0; i < 5; ++i) {
                fom.TimIve_Timer();
            }
            fom.Lbl_Click();
            if (fom.Qst[0]->isVisible()) {
                fom.Qst_MouseDown(0); // the choice takes presses
                QCOMPARE(fom.QstBak[0]->backColor(), QColor(0, 0, 255));
            } else {
                QVERIFY(fom.Img->isEnabled()); // back at the title, which takes presses again
                fom.Img_MouseDown(1);
                QCOMPARE(trace.lines.count("event zoa zoa"), 2);
            }
            fom.close();
        }
        const QString warnings = trace.warnings.join("\n");
        if (named.isEmpty()) {
            QVERIFY2(trace.warnings.isEmpty(), qPrintable(warnings));
        } else {
            QVERIFY2(warnings.contains(content.folder() + "/" + named), qPrintable(warnings));
        }
        if (named.endsWith(".wav")) { // played again and again, reported once
            QCOMPARE(trace.warnings.filter(named).size(), 1);
        }
        QCOMPARE(snapshot(content.folder()), before);
    }
};

QTEST_MAIN(BadContentTest)
#include "bad_content_test.moc"
