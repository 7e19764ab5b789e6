// The game driven as a player drives it: mouse events on the real controls and real timer ticks.
// The wiring of every handler (presses, clicks, the scroll bars, both timers) is checked here,
// once; the other tests call the handlers directly.
#include "platform/host_facts.h"
#include "platform/label.h"
#include "platform/media_service.h"
#include "platform/picture.h"
#include "platform/random_source.h"
#include "platform/scroll_bar.h"
#include "platform/sdl_media_service.h"
#include "platform/timer.h"
#include "support/game_fixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

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

    // Closing the window while an event is typed closes the music and ends the program at once.
    void closingWhileTypingEndsTheProgramAtOnce() {
        GameFixture game;
        game.content.writeStory();
        Fom& fom = game.start();
        QTest::mouseClick(fom.Img, Qt::LeftButton);
        QTRY_VERIFY(fom.linePos > 0); // "zoa" is typed at 100 ms a character
        game.clearCommands();
        const qsizetype from = game.trace.lines.size();
        QTimer::singleShot(0, &fom, [&fom] { fom.close(); });
        QTimer::singleShot(5000, qApp, &QCoreApplication::quit); // in case the close ends nothing
        QElapsedTimer clock;
        clock.start();
        QApplication::exec();
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(game.commands(), QStringList{"close MIDI notify"});
        QCOMPARE(game.trace.lines.mid(from),
                 QStringList({"media close MIDI notify -> 0", "unload"}));
    }

    // Without the music the game starts, plays its effects and asks after the music each second.
    void startsWithoutMusicAndKeepsAskingForIt() {
        TestContent content;
        content.writeSound("se2.wav");
        platform::FixedHostFacts host(content.folder(), 16200);
        platform::SdlMediaService media;
        platform::ScriptedRandom random;
        RecordingMessageBox messageBox;
        TraceRecorder trace;
        Fom fom(GamePlatform{host, media, random, messageBox});
        fom.show();
        QVERIFY(!fom.startupFailed());
        QVERIFY(trace.lines.contains("media play WAVE notify -> 0"));
        QCOMPARE(trace.warnings.size(), 1);
        QVERIFY(trace.warnings.first().contains(content.dat2() + "bgm.wav"));
        const QString query =
            "media status MIDI mode -> " + QString::number(platform::MediaUnknownAlias);
        QTRY_COMPARE_WITH_TIMEOUT(trace.lines.count(query), 2, 3000);
    }
};

QTEST_MAIN(RealEventsTest)
#include "real_events_test.moc"
