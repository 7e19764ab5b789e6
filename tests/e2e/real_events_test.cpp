// The game driven as a player drives it: mouse events on the real controls and real timer ticks.
// The wiring of every handler (presses, clicks, the scroll bars, both timers) is checked here,
// once; the other tests call the handlers directly. Then broken content through the real game.
#include "controls/box.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "host/host_facts.h"
#include "media/sdl_media_service.h"
#include "scripted-random/scripted_random.h"
#include "support/game_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// Answers "stopped" to the music's status query, so that the music watch restarts it.
int stoppedMusic(const QByteArray& command, QByteArray* reply) {
    if (command == "status MIDI mode" && reply != nullptr) {
        *reply = "stopped";
    }
    return 0;
}

// The typing timer at its fastest, set through the speed slider.
Fom& startFast(GameFixture& game) {
    Fom& fom = game.start();
    fom.HsclTim->setValue(1);
    return fom;
}

void writeGoodContent(TestContent& content) {
    // Two short lines: the line sound plays twice before the choice.
    content.writeScript("zoa", {"img[pic]", "一", "二", ">", "進む", "戻る"});
    content.writePicture("zoa");
    content.writePicture("pic");
    for (const char* name : {"bgm.wav", "se.wav", "se2.wav"}) {
        content.writeSound(name);
    }
}

} // namespace

class RealEventsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void wholeStoryThroughRealEvents() {
        GameFixture game;
        game.content.writeStory();
        // The first selector draw; then for each choice the place of "a" and the next draw.
        game.random.setValues({0.35f, 0.1f, 0.45f, 0.1f, 0.75f, 0.6f, 0.15f, 0.1f, 0.55f, 0.1f,
                               0.95f, 0.1f, 0.65f, 0.1f, 0.05f, 0.1f, 0.35f, 0.1f, 0.25f});
        game.media.setResponder(stoppedMusic);
        Fom& fom = startFast(game);
        const qsizetype from = game.trace.lines.size();

        QTest::mouseClick(fom.Hscl, Qt::LeftButton, {}, QPoint(fom.Hscl->width() - 3, 3));
        QTest::mouseClick(fom.Img, Qt::LeftButton);
        QTest::mouseClick(fom.Lbl, Qt::RightButton); // only the left button skips
        struct Turn {
            bool skip;
            int caption;
        };
        const Turn turns[] = {{false, 0}, {true, 0}, {false, 1}, {true, 0}, {true, 1},
                              {true, 0},  {true, 0}, {true, 0},  {true, 0}};
        bool faceClicked = false;
        for (const Turn& turn : turns) {
            if (turn.skip) {
                QTest::mouseClick(fom.Lbl, Qt::LeftButton);
            }
            QTRY_VERIFY(fom.Qst[turn.caption]->isVisible());
            if (&turn == turns) { // a right press paints a caption pressed and answers nothing
                QTest::mouseClick(fom.Qst[1], Qt::RightButton);
                QCOMPARE(game.state(), "choice[A zoa|B zoa*] img=zoa");
            }
            QTest::mouseClick(fom.Qst[turn.caption], Qt::LeftButton);
            if (fom.ImgFce->isVisible() && !faceClicked) {
                QTest::mouseClick(fom.ImgFce, Qt::LeftButton);
                faceClicked = true;
            }
        }
        QTRY_VERIFY(fom.Img->isEnabled());

        const QStringList expected = {
            "selector 2 | se2",
            "selector 3 | se2 | event zoa zoa | se | line zoa | se | se2 | choice a b",
            "answer 0 a 3 | se2 | selector 4 | se2 | event a_1 a_1 | skip | se2 | choice a b",
            "answer 0 a 4 | se2 | selector 7 | se2 | event char30 char3 | face 3",
            "message 小さな金魚\r\nワタシノ小鳥\r\n翼を折って\r\nもう飛び立たない",
            "se | line char30 | se | se2 | choice b a",
            "answer 1 a 7 | se2 | selector 1 | se2 | event char00 char0 | face 0 | skip | se2 | "
            "choice a b",
            "answer 0 a 1 | se2 | selector 5 | se2 | event a_0 a_0 | skip | se2 | choice a b",
            "answer 1 b 5 | se2 | selector 9 | se2 | event b_2 b_2 | skip | se2 | choice a b",
            "answer 0 a 9 | se2 | selector 6 | se2 | event a_4 a_4 | skip | se2 | choice a b",
            "answer 0 a 6 | se2 | selector 0 | se2 | event a_3 a_3 | skip | se2 | choice a b",
            "answer 0 a 0 | se2 | selector 3 | se2 | event char40 char4 | face 4 | skip | se2 | "
            "choice a b",
            "answer 0 a 3 | se2 | selector 2 | se2 | event name_end name_end | se | line fin | se "
            "| end name_end | title"};
        QCOMPARE(game.shortTrace(from), expected.join(" | "));

        // The music watch ticks once a second and restarts a music that has stopped.
        QTRY_VERIFY_WITH_TIMEOUT(game.commands().contains("play MIDI from 0"), 2500);
    }

    // Broken content, each case played through the real game: no crash, a warning that names the
    // file, a game that still answers clicks, and no file written.
    void brokenContentIsReportedAndPlayGoesOn_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::addColumn<QString>("file");     // the warning names it; written with the bytes
        QTest::addColumn<QByteArray>("bytes"); // or "<folder>": a folder of its name
        const auto row = [](const char* name, const char* subfolder, const char* file,
                            const QByteArray& bytes) {
            QTest::newRow(name) << QString(subfolder) << QString(file) << bytes;
        };
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) {
            garbage += static_cast<char>((i * 7919) % 256);
        }
        row("binary garbage as a script", "", "dat1/zoa.txt", garbage);
        row("folder as a script", "", "dat1/zoa.txt", "<folder>");
        row("picture that is not a picture", "", "dat2/pic.bmp", "BM but nothing else");
        row("truncated wav", "", "dat2/se.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16));
        row("blanks and Japanese in the folder", "ゲーム フォルダ/ゾア", "dat2/zoa.bmp",
            "<folder>");
    }
    void brokenContentIsReportedAndPlayGoesOn() {
        QFETCH(QString, subfolder);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        TestContent content(subfolder);
        writeGoodContent(content);
        const QString path = content.folder() + "/" + file;
        if (bytes == "<folder>") {
            QFile::remove(path);
            QVERIFY(QDir().mkdir(path));
        } else {
            content.writeFile(file, bytes);
        }
        const QStringList before = folderSnapshot(content.folder());
        TraceRecorder trace;
        {
            host::FixedHostFacts host(content.folder(), 16200);
            media::SdlMediaService media;
            ScriptedRandom random;
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
        QVERIFY2(warnings.contains(path), qPrintable(warnings));
        if (file.endsWith(".wav")) { // played again and again, reported once
            QCOMPARE(trace.warnings.filter(file).size(), 1);
        }
        QCOMPARE(folderSnapshot(content.folder()), before);
    }
};

QTEST_MAIN(RealEventsTest)
#include "real_events_test.moc"
