// The skip on a click of the text window, and the presentation of a choice.
#include "platform/box.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "support/game_fixture.h"
#include "support/trace_recorder.h"

#include <QTest>

namespace {

const QString skipMessage = "イベントをとばしました";

Fom& startEvent(GameFixture& game, const QStringList& lines) {
    game.content.writeScript("ev", lines);
    Fom& fom = game.start();
    game.clearCommands();
    fom.IveStt("ev", QString());
    return fom;
}

} // namespace

class SkipAndChoiceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A click while typing jumps to the choice: only the message shows, "se2.wav" sounds.
    void skipJumpsToTheChoice() {
        GameFixture game;
        game.content.writePicture("pic");
        TraceRecorder trace;
        Fom& fom = startEvent(game, {"one", "img[pic]", "two", "three", ">", "A", "B"});
        game.tick(3);
        game.clearCommands();
        fom.Lbl_Click();
        QCOMPARE(fom.Lbl->caption(), skipMessage);
        QCOMPARE(game.effectsPlayed(), QStringList({"se2.wav"}));
        QVERIFY(fom.Qst[0]->isVisible() && fom.Qst[1]->isVisible());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp"); // skipped pictures
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(trace.lines.contains("skip"));
    }

    // The skip classifies the line after a picture line too.
    void markerAfterAPictureLineOpensTheChoiceWhenSkipping() {
        GameFixture game;
        Fom& fom = startEvent(game, {"one", "img[pic]", ">", "A", "B"});
        game.tick(2);
        fom.Lbl_Click();
        QVERIFY(fom.Qst[0]->isVisible());
        QCOMPARE(fom.scriptLine, "B");
    }

    // While the last line is typed the script is at its end: the event ends, the text stays.
    void skipOnTheLastLineEndsAtOnce() {
        GameFixture game;
        Fom& fom = startEvent(game, {"abcdef"});
        game.tick(3);
        fom.Lbl_Click();
        QCOMPARE(fom.Lbl->caption().split("\r\n").last(), "ab");
        QVERIFY(!fom.TimIve->isEnabled());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QVERIFY(fom.Img->isEnabled());
    }

    void skipThroughTextEndsTheEventShowingTheMessage() {
        GameFixture game;
        Fom& fom = startEvent(game, {"one", "two", "img[x]", "three"});
        game.tick(2);
        fom.Lbl_Click();
        QCOMPARE(fom.Lbl->caption(), skipMessage);
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(!fom.scriptFile.isOpen());
        QVERIFY(fom.Img->isEnabled());
    }

    // With no script open (title, choice shown) a click changes nothing.
    void clickWithoutAScriptDoesNothing() {
        GameFixture game;
        TraceRecorder trace;
        Fom& fom = startEvent(game, {"x", ">", "A", "B"});
        game.tick(3);
        const QString shown = fom.Lbl->caption();
        game.clearCommands();
        fom.Lbl_Click();
        QCOMPARE(fom.Lbl->caption(), shown);
        QVERIFY(game.commands().isEmpty());
        QVERIFY(fom.Qst[0]->isVisible());

        fom.Form_Activate();
        fom.Lbl_Click();
        QCOMPARE(fom.Lbl->caption(), shown);
        QVERIFY(!trace.lines.contains("skip"));
    }

    void skipToAShortChoiceBlockEndsTheEvent() {
        GameFixture game;
        Fom& fom = startEvent(game, {"x", ">", "only"});
        game.tick();
        fom.Lbl_Click();
        QVERIFY(!fom.Qst[0]->isVisible() && !fom.Qst[1]->isVisible());
        QVERIFY(!fom.scriptFile.isOpen());
        QVERIFY(fom.Img->isEnabled());
    }

    // Choice "a" lands in the label picked by 2 r; the keys say which caption is which.
    void captionsAreShownInRandomOrder_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("keys");
        QTest::newRow("a on top") << 0.3f << "行く"
                                  << "帰る"
                                  << "ab";
        QTest::newRow("a below") << 0.6f << "帰る"
                                 << "行く"
                                 << "ba";
    }
    void captionsAreShownInRandomOrder() {
        QFETCH(float, r);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, keys);
        GameFixture game;
        game.random.setValues({r});
        TraceRecorder trace;
        Fom& fom = startEvent(game, {">", "行く", "帰る", "unread"});
        game.tick();
        QCOMPARE(fom.Qst[0]->caption(), first);
        QCOMPARE(fom.Qst[1]->caption(), second);
        QCOMPARE(fom.choiceKeys[0] + fom.choiceKeys[1], keys);
        QCOMPARE(fom.scriptLine, "帰る");
        QVERIFY(trace.lines.contains("choice " + QString(keys[0]) + " " + QString(keys[1])));
    }

    // Captions are shown exactly as read, in the normal look, whatever was pressed before.
    void choicesOpenInTheNormalLook() {
        GameFixture game;
        Fom& fom = startEvent(game, {">", ">next", " img[x] "});
        fom.Qst_MouseDown(0);
        fom.Qst_MouseDown(1);
        game.tick();
        QCOMPARE(fom.Qst[0]->caption() + "|" + fom.Qst[1]->caption(), ">next| img[x] ");
        for (int i = 0; i < 2; ++i) {
            QVERIFY(fom.Qst[i]->isVisible() && fom.QstBak[i]->isVisible());
            QCOMPARE(fom.Qst[i]->textColor(), QColor(0, 0, 0));
            QCOMPARE(fom.QstBak[i]->backColor(), QColor(255, 255, 0));
            QCOMPARE(fom.QstBak[i]->borderColor(), QColor(255, 0, 0));
        }
    }

    void emptyCaptionStillShowsItsBox() {
        GameFixture game;
        Fom& fom = startEvent(game, {">", "", "b"});
        game.tick();
        QVERIFY(fom.QstBak[0]->isVisible() && fom.QstBak[1]->isVisible());
        QVERIFY(fom.Qst[0]->caption().isEmpty() || fom.Qst[1]->caption().isEmpty());
    }
};

QTEST_MAIN(SkipAndChoiceTest)
#include "skip_and_choice_test.moc"
