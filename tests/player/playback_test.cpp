// The typing tick: characters, line ends, pictures, choices and the end of a script.
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "support/game_fixture.h"
#include "support/trace_recorder.h"

#include <QTest>

namespace {

QStringList shownLines(Fom& fom) {
    return fom.Lbl->caption().split("\r\n");
}

// Starts an event over the given script lines, with the title picture shown and effects cleared.
Fom& startEvent(GameFixture& game, const QStringList& lines, const QString& picture = QString()) {
    game.content.writeScript("ev", lines);
    Fom& fom = game.start();
    game.clearCommands();
    fom.IveStt("ev", picture);
    return fom;
}

} // namespace

class PlaybackTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The first tick plays the line sound, reads the first line and blanks the window.
    void firstTickBlanksTheWindow() {
        GameFixture game;
        Fom& fom = startEvent(game, {"あいう"});
        fom.Lbl->setCaption("before");
        QCOMPARE(fom.Lbl->caption(), "before");
        game.tick();
        QCOMPARE(game.effectsPlayed(), QStringList({"se.wav"}));
        QCOMPARE(fom.Lbl->caption(), QString(8, '\r').replace("\r", "\r\n"));
        QCOMPARE(fom.scriptLine, "あいう");
        QCOMPARE(fom.linePos, 0);
    }

    // A line of n characters takes n + 1 ticks; each line end plays "se.wav" once.
    void eachLineTakesOneTickMoreThanItsLength() {
        GameFixture game;
        Fom& fom = startEvent(game, {"0123456789", "", "ab"});
        game.tick(); // reads the first line
        game.tick(10);
        QCOMPARE(fom.textLines[8], "0123456789");
        QCOMPARE(game.effectsPlayed().size(), 1);
        game.tick(); // moves to the empty line
        QCOMPARE(fom.textLines[7], "0123456789");
        QCOMPARE(fom.textLines[8], "");
        game.tick(); // the empty line is done at once: moves to "ab"
        QCOMPARE(game.effectsPlayed().size(), 3);
        game.tick(2);
        QCOMPARE(shownLines(fom).mid(6), QStringList({"0123456789", "", "ab"}));
        QVERIFY(fom.TimIve->isEnabled());
    }

    // At the end "se.wav" plays, the event ends and the last typed line stays at the bottom.
    void endOfScriptReturnsToTheTitleKeepingTheText() {
        GameFixture game;
        game.content.writePicture("pic");
        TraceRecorder trace;
        Fom& fom = startEvent(game, {"xy"}, "pic");
        game.tick(3);
        QCOMPARE(shownLines(fom).last(), "xy");
        game.tick();
        QCOMPARE(game.effectsPlayed(), QStringList({"se.wav", "se.wav"}));
        QCOMPARE(shownLines(fom).last(), "xy");
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(!fom.scriptFile.isOpen());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QCOMPARE(trace.linesStartingWith({"event", "line", "end", "title"}),
                 QStringList({"title", "event ev pic", "line xy", "end ev", "title"}));
    }

    void emptyScriptEndsAtTheFirstTick() {
        GameFixture game;
        Fom& fom = startEvent(game, {});
        game.tick();
        QVERIFY(!fom.TimIve->isEnabled());
        QCOMPARE(game.effectsPlayed(), QStringList({"se.wav"}));
    }

    // A picture line takes no tick: the tick that reads it reads the next line too, unclassified.
    void pictureLineChangesThePictureAndTypesTheNextLine_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("typed");
        QTest::newRow("text after picture") << QStringList{"img[pic]", "hello"} << "hello";
        QTest::newRow("marker after picture") << QStringList{"img[pic]", ">", "A", "B"} << ">";
        QTest::newRow("picture after picture")
            << QStringList{"img[pic]", "img[other]"} << "img[other]";
    }
    void pictureLineChangesThePictureAndTypesTheNextLine() {
        QFETCH(QStringList, lines);
        QFETCH(QString, typed);
        GameFixture game;
        game.content.writePicture("pic");
        game.content.writePicture("other");
        TraceRecorder trace;
        Fom& fom = startEvent(game, lines);
        game.tick();
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "pic.bmp");
        QCOMPARE(fom.scriptLine, typed);
        game.tick(typed.size());
        QCOMPARE(fom.textLines[8], typed);
        QVERIFY(!fom.Qst[0]->isVisible());
        QVERIFY(trace.lines.contains("picture pic"));
    }

    // A marker read by the tick opens the choice in that tick, "se2.wav" after "se.wav", and the
    // window keeps the text it showed.
    void choiceOpensInTheTickThatReadsTheMarker() {
        GameFixture game;
        Fom& fom = startEvent(game, {"ab", ">", "yes", "no", "never read"});
        game.tick(3);
        const QString shown = fom.Lbl->caption();
        game.tick();
        QCOMPARE(game.effectsPlayed(), QStringList({"se.wav", "se.wav", "se2.wav"}));
        QCOMPARE(fom.Lbl->caption(), shown);
        QVERIFY(fom.Qst[0]->isVisible() && fom.Qst[1]->isVisible());
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(!fom.scriptFile.isOpen());
    }

    void markerAsFirstLineKeepsThePreviousText() {
        GameFixture game;
        Fom& fom = startEvent(game, {">", "yes", "no"});
        fom.Lbl->setCaption("previous event");
        game.tick();
        QCOMPARE(fom.Lbl->caption(), "previous event");
        QVERIFY(fom.Qst[0]->isVisible());
    }

    void windowScrollsByWholeLines() {
        GameFixture game;
        QStringList lines;
        for (int i = 1; i <= 11; ++i) {
            lines.append(QString::number(i % 10));
        }
        Fom& fom = startEvent(game, lines);
        game.tick(1 + 11 * 2 - 1);
        QCOMPARE(shownLines(fom), QStringList({"3", "4", "5", "6", "7", "8", "9", "0", "1"}));
    }

    // A line longer than a 16-bit position can count is typed in full.
    void veryLongLineIsTypedInFull() {
        GameFixture game;
        const QString longLine(40000, 'x');
        Fom& fom = startEvent(game, {longLine, "next"});
        game.tick(1 + 40000);
        QCOMPARE(fom.textLines[8].size(), 40000);
        game.tick();
        QCOMPARE(fom.scriptLine, "next");
    }

    // A changed speed plays "se2.wav" and sets the interval; a drag plays it at each move only.
    void speedSliderSetsTheIntervalAtTheEndOfAChange() {
        GameFixture game;
        Fom& fom = startEvent(game, {"abc"});
        fom.HsclTim->setValue(40);
        QCOMPARE(fom.TimIve->interval(), 40);
        QVERIFY(fom.TimIve->isEnabled());
        QCOMPARE(game.effectsPlayed(), QStringList({"se2.wav"}));

        game.clearCommands();
        fom.HsclTim->setSliderDown(true);
        fom.HsclTim->setSliderPosition(120);
        fom.HsclTim->setSliderPosition(150);
        QCOMPARE(fom.TimIve->interval(), 40);
        QCOMPARE(game.effectsPlayed(), QStringList({"se2.wav", "se2.wav"}));
        fom.HsclTim->setSliderDown(false);
        QCOMPARE(fom.TimIve->interval(), 150);
        QCOMPARE(game.effectsPlayed().size(), 3);
    }

    void eventWithoutPictureKeepsThePictureShown() {
        GameFixture game;
        Fom& fom = startEvent(game, {"a"});
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        fom.Lbl->setCaption("kept until the first tick");
        QCOMPARE(fom.Lbl->caption(), "kept until the first tick");
    }

    void sameEventTwiceStartsFromItsFirstLine() {
        GameFixture game;
        Fom& fom = startEvent(game, {"first", "second"});
        game.tick(8);
        QCOMPARE(fom.scriptLine, "second");
        fom.IveStt("ev", QString());
        QCOMPARE(fom.textLines, (std::array<QString, 9>{}));
        game.tick();
        QCOMPARE(fom.scriptLine, "first");
    }

    // Content faults: a warning naming the file, and the game goes on sensibly.
    void missingScriptReturnsToTheTitle() {
        GameFixture game;
        Fom& fom = game.start();
        fom.Img->setEnabled(false);
        TraceRecorder trace;
        fom.IveStt("absent", QString());
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(fom.Img->isEnabled());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QCOMPARE(trace.warnings.size(), 1);
        QVERIFY(trace.warnings.first().contains(game.content.dat1() + "absent.txt"));
    }

    void missingPicturesLeaveThePictureShown() {
        GameFixture game;
        game.content.writePicture("pic");
        TraceRecorder trace;
        Fom& fom = startEvent(game, {"img[gone]", "text", "img[pic]", "more"}, "absent");
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QVERIFY(fom.TimIve->isEnabled());
        game.tick();
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QCOMPARE(fom.scriptLine, "text");
        QCOMPARE(trace.warnings.size(), 2);
        QVERIFY(trace.warnings.at(0).contains(game.content.dat2() + "absent.bmp"));
        QVERIFY(trace.warnings.at(1).contains(game.content.dat2() + "gone.bmp"));
    }

    void shortPictureLineChangesNothing() {
        GameFixture game;
        TraceRecorder trace;
        Fom& fom = startEvent(game, {"img", ">", "a", "b"});
        game.tick();
        QCOMPARE(fom.scriptLine, ">");
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QCOMPARE(trace.warnings.size(), 1);
        QVERIFY(trace.warnings.first().contains(game.content.dat1() + "ev.txt"));
    }

    void pictureLineAsLastLineEndsTheEvent() {
        GameFixture game;
        game.content.writePicture("pic");
        Fom& fom = startEvent(game, {"a", "img[pic]"});
        game.tick(3);
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(!fom.scriptFile.isOpen());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
    }

    void markerWithoutTwoCaptionsEndsTheEvent_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no caption") << QStringList{">"};
        QTest::newRow("one caption") << QStringList{">", "only"};
    }
    void markerWithoutTwoCaptionsEndsTheEvent() {
        QFETCH(QStringList, lines);
        GameFixture game;
        Fom& fom = startEvent(game, lines);
        fom.Img->setEnabled(false);
        game.tick();
        QVERIFY(!fom.Qst[0]->isVisible() && !fom.Qst[1]->isVisible());
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(!fom.scriptFile.isOpen());
        QVERIFY(fom.Img->isEnabled());
    }
};

QTEST_MAIN(PlaybackTest)
#include "playback_test.moc"
