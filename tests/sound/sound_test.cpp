// The sound service's commands, the scroll bars' click sounds, and the music watch.
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "sound/sound_module.h"
#include "support/game_fixture.h"

#include <QTest>

class SoundTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The loop flag is set before the music's play command goes out.
    void musicStartSetsTheLoopFlagFirst() {
        host::FixedHostFacts host("/", 16200);
        media::RecordingMediaService media;
        sound::SoundModule module(media, host);
        bool loopWhenPlayed = false;
        media.setResponder([&](const QByteArray& command, QByteArray*) {
            loopWhenPlayed = command == "play MIDI notify" ? module.bgmLoop : loopWhenPlayed;
            return 0;
        });
        module.BgmOpn("bgm.wav");
        module.BgmStt();
        QVERIFY(loopWhenPlayed);
    }

    // Dragging either thumb plays the click at each move; the value changes on release, and
    // only then does the speed reach the typing timer.
    void dragsPlayTheClickAtEachMove() {
        GameFixture game;
        Fom& fom = game.start();
        for (controls::ScrollBar* bar : {fom.Hscl, fom.HsclTim}) {
            const qsizetype from = game.trace.lines.size();
            const int before = bar->value();
            bar->setSliderDown(true);
            bar->setSliderPosition(bar->minimum() + 2);
            bar->setSliderPosition(bar->minimum() + 3);
            QCOMPARE(bar->value(), before);
            QCOMPARE(fom.TimIve->interval(), 100);
            QCOMPARE(game.shortTrace(from), "se2 | se2");
            bar->setSliderDown(false);
            QCOMPARE(game.shortTrace(from).count("se2"), 3);
        }
        QCOMPARE(fom.TimIve->interval(), 4);
    }

    // What each tick of the music watch sends, for each answer of the status query.
    void musicWatchRestartsOnlyAStoppedLoop_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("stopped") << 0 << QByteArray("stopped") << true << true;
        QTest::newRow("stopped without loop") << 0 << QByteArray("stopped") << false << false;
        QTest::newRow("STOPPED in capitals") << 0 << QByteArray("STOPPED") << true << true;
        QTest::newRow("stopped with more text")
            << 0 << QByteArray("stopped at the very end") << true << true;
        QTest::newRow("playing") << 0 << QByteArray("playing") << true << false;
        QTest::newRow("stoppe is too short") << 0 << QByteArray("stoppe") << true << false;
        QTest::newRow("failed query") << 5 << QByteArray() << true << false;
    }
    void musicWatchRestartsOnlyAStoppedLoop() {
        QFETCH(int, code);
        QFETCH(QByteArray, reply);
        QFETCH(bool, loop);
        QFETCH(bool, restarted);
        GameFixture game;
        game.media.setResponder([&](const QByteArray& command, QByteArray* answer) {
            const bool query = command == "status MIDI mode";
            if (query && code == 0) {
                *answer = reply;
            }
            return query ? code : 0;
        });
        Fom& fom = game.start();
        fom.sound.bgmLoop = loop;
        game.clearCommands();
        fom.Bgm_Check_Timer();
        const QStringList restart = {"seek MIDI to start", "play MIDI from 0"};
        QCOMPARE(game.commands(),
                 QStringList{"status MIDI mode"} + (restarted ? restart : QStringList()));
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
