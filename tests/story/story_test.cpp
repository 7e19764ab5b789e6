// A story played through the real handlers: title presses, answers, counters, endings, the
// pressed look of a choice and the face picture's message.
#include "platform/box.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/picture.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "story/scene_selector.h"
#include "support/game_fixture.h"
#include "support/trace_recorder.h"

#include <QMessageBox>
#include <QTest>

namespace {

// Content where every event the story rules reach has a one-line scene and a choice.
void writeStory(TestContent& content) {
    QStringList names = {"zoa", "a_0", "a_1", "a_2", "a_3", "a_4",
                         "b_0", "b_1", "b_2", "b_3", "b_4"};
    for (int c = 0; c < 5; ++c) {
        for (int scene = 0; scene <= 10; ++scene) {
            names.append(QString("char%1%2").arg(c).arg(scene));
        }
        content.writePicture(QString::number(c));
        content.writePicture(QString("char%1").arg(c));
    }
    for (const QString& name : names) {
        content.writeScript(name, {name, ">", "A " + name, "B " + name});
        content.writePicture(name);
    }
    content.writeScript("name_end", {"fin"});
    content.writePicture("name_end");
    content.writeScript("end", {"credits"});
}

// Opens the choice of the running event (its first line is a short text line).
void reachChoice(Fom& fom) {
    fom.Lbl_Click();
}

} // namespace

class StoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Left and middle presses start a story; a right press plays "end" and keeps the counters.
    void titlePressesStartTheStoryOrPlayTheEnd_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("left") << Qt::LeftButton << "zoa" << true;
        QTest::newRow("middle") << Qt::MiddleButton << "zoa" << true;
        QTest::newRow("right") << Qt::RightButton << "end" << false;
    }
    void titlePressesStartTheStoryOrPlayTheEnd() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, event);
        QFETCH(bool, cleared);
        GameFixture game;
        writeStory(game.content);
        game.random.setValues({0.45f});
        Fom& fom = game.start();
        fom.affinity = {1, 2, 3, 4, 5};
        fom.answerCount = 4;
        QTest::mousePress(fom.Img, button);
        QCOMPARE(fom.eventName, event);
        QVERIFY(fom.TimIve->isEnabled());
        QCOMPARE(fom.affinity == story::Counters{}, cleared);
        QCOMPARE(fom.answerCount == 0, cleared);
        QCOMPARE(fom.Img->isEnabled(), !cleared);
        QCOMPARE(fom.Hscl->value(), cleared ? 4 : 1);
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + (cleared ? "zoa.bmp" : "opn.bmp"));
    }

    void pressesAreIgnoredWhileTheStoryRuns() {
        GameFixture game;
        writeStory(game.content);
        Fom& fom = game.start();
        QTest::mousePress(fom.Img, Qt::LeftButton);
        game.tick(3);
        QTest::mousePress(fom.Img, Qt::RightButton);
        QTest::mousePress(fom.Img, Qt::LeftButton);
        QCOMPARE(fom.eventName, "zoa");
        QCOMPARE(fom.scriptLine, "zoa");
    }

    void secondRightPressRestartsTheEnd() {
        GameFixture game;
        writeStory(game.content);
        Fom& fom = game.start();
        fom.Img_MouseDown(2);
        game.tick(4);
        fom.Img_MouseDown(2);
        QCOMPARE(fom.linePos, 0);
        game.tick();
        QCOMPARE(fom.scriptLine, "credits");
        QVERIFY(fom.Img->isEnabled());
    }

    // The first draw sounds "se2.wav" only when it changes the selector.
    void drawSoundsOnlyWhenTheValueChanges_data() {
        QTest::addColumn<float>("draw");
        QTest::addColumn<int>("clicks");
        QTest::newRow("same value") << 0.15f << 0;
        QTest::newRow("new value") << 0.95f << 1;
    }
    void drawSoundsOnlyWhenTheValueChanges() {
        QFETCH(float, draw);
        QFETCH(int, clicks);
        GameFixture game;
        writeStory(game.content);
        game.random.setValues({draw});
        Fom& fom = game.start();
        game.clearCommands();
        fom.Img_MouseDown(1);
        QCOMPARE(game.effectsPlayed().count("se2.wav"), clicks);
    }

    // Answers after answer draws: keys choose a_n or b_n and only "a" counts.
    void answersChooseTheirScene_data() {
        QTest::addColumn<int>("selector");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("count");
        QTest::newRow("b at 1") << 1 << "b"
                                << "b_0" << 0;
        QTest::newRow("b at 3") << 3 << "b"
                                << "b_1" << 0;
        QTest::newRow("b at 5") << 5 << "b"
                                << "b_2" << 0;
        QTest::newRow("b at 6") << 6 << "b"
                                << "b_3" << 0;
        QTest::newRow("b at 9") << 9 << "b"
                                << "b_4" << 0;
        QTest::newRow("a at 6") << 6 << "a"
                                << "a_3" << 1;
    }
    void answersChooseTheirScene() {
        QFETCH(int, selector);
        QFETCH(QString, key);
        QFETCH(QString, event);
        QFETCH(int, count);
        GameFixture game;
        writeStory(game.content);
        game.random.setValues({0.2f}); // "a" in Qst(0)
        Fom& fom = game.start();
        fom.Img_MouseDown(1);
        reachChoice(fom);
        fom.ImgFce->show();
        fom.Hscl->setValue(selector);
        fom.Qst_Click(key == "a" ? 0 : 1);
        QCOMPARE(fom.eventName, event);
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + event + ".bmp");
        QCOMPARE(int(fom.answerCount), count);
        QVERIFY(!fom.ImgFce->isVisible());
        QVERIFY(!fom.Qst[0]->isVisible() && !fom.QstBak[1]->isVisible());
    }

    // After a character draw both captions lead to the same scene, with the face shown.
    void bothCaptionsLeadToTheCharacterScene() {
        for (int index = 0; index < 2; ++index) {
            GameFixture game;
            writeStory(game.content);
            TraceRecorder trace;
            Fom& fom = game.start();
            fom.Img_MouseDown(1);
            reachChoice(fom);
            fom.Hscl->setValue(4);
            fom.Qst_Click(index);
            QCOMPARE(fom.eventName, "char30");
            QCOMPARE(fom.Img->fileName(), game.content.dat2() + "char3.bmp");
            QVERIFY(fom.ImgFce->isVisible());
            QCOMPARE(fom.ImgFce->fileName(), game.content.dat2() + "3.bmp");
            QCOMPARE(int(fom.answerCount), 0);
            QVERIFY(trace.lines.contains("face 3"));
        }
    }

    void unreadableFaceStaysHidden() {
        GameFixture game;
        writeStory(game.content);
        game.content.remove("dat2/3.bmp");
        TraceRecorder trace;
        Fom& fom = game.start();
        fom.Img_MouseDown(1);
        reachChoice(fom);
        fom.ImgFce->show();
        fom.Hscl->setValue(4);
        fom.Qst_Click(0);
        QCOMPARE(fom.eventName, "char30");
        QVERIFY(!fom.ImgFce->isVisible());
        QVERIFY(trace.warnings.join("\n").contains(game.content.dat2() + "3.bmp"));
    }

    // A click plays "se2.wav", then once more only if the next draw changes the selector.
    void clickSoundsAndTheNextDraw_data() {
        QTest::addColumn<float>("nextDraw");
        QTest::addColumn<int>("clicks");
        QTest::newRow("draw keeps 3") << 0.35f << 1;
        QTest::newRow("draw moves to 8") << 0.85f << 2;
    }
    void clickSoundsAndTheNextDraw() {
        QFETCH(float, nextDraw);
        QFETCH(int, clicks);
        GameFixture game;
        writeStory(game.content);
        game.random.setValues({0.35f, 0.1f, nextDraw}); // first draw 3, choice keys, next draw
        Fom& fom = game.start();
        fom.Img_MouseDown(1);
        reachChoice(fom);
        game.clearCommands();
        fom.Qst_Click(0);
        QCOMPARE(game.effectsPlayed(), QStringList(clicks, "se2.wav"));
        QCOMPARE(fom.eventName, "a_1");
    }

    // A whole story: four answers "a", character meetings in between, the fifth "a" ends it.
    void wholeStoryReachesTheEndingAndReturnsToTheTitle() {
        GameFixture game;
        writeStory(game.content);
        // Draws: 1st selector 3; then per choice: the key position, then the next selector.
        // Draws: the first selector, then for each choice its key position and the next selector.
        game.random.setValues({0.35f,         // selector 3
                               0.1f, 0.45f,   // "a" in Qst(0); next 4
                               0.1f, 0.45f,   // next 4 again: no change
                               0.1f, 0.15f,   // next 1
                               0.1f, 0.55f,   // next 5
                               0.6f, 0.75f,   // "a" in Qst(1); next 7
                               0.1f, 0.95f,   // next 9
                               0.1f, 0.65f,   // next 6
                               0.1f, 0.05f}); // next 0
        TraceRecorder trace;
        Fom& fom = game.start();
        trace.clear();
        fom.Img_MouseDown(1);
        for (int index : {0, 0, 0, 0, 1, 0, 0, 0}) {
            reachChoice(fom);
            fom.Qst_Click(index);
        }
        game.tick(5); // "fin" typed, then the end of the script
        const QStringList expected = {"selector 3",
                                      "event zoa zoa",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 3",
                                      "selector 4",
                                      "event a_1 a_1",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 4",
                                      "event char30 char3",
                                      "face 3",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 4",
                                      "selector 1",
                                      "event char31 char3",
                                      "face 3",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 1",
                                      "selector 5",
                                      "event a_0 a_0",
                                      "skip",
                                      "choice b a",
                                      "answer 1 a 5",
                                      "selector 7",
                                      "event a_2 a_2",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 7",
                                      "selector 9",
                                      "event char00 char0",
                                      "face 0",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 9",
                                      "selector 6",
                                      "event a_4 a_4",
                                      "skip",
                                      "choice a b",
                                      "answer 0 a 6",
                                      "selector 0",
                                      "event name_end name_end",
                                      "line fin",
                                      "end name_end",
                                      "title"};
        QCOMPARE(trace
                     .linesStartingWith({"selector", "event", "skip", "choice", "answer", "face",
                                         "line", "end", "title"})
                     .join(" | "),
                 expected.join(" | "));
        QCOMPARE(int(fom.answerCount), 5);
        QCOMPARE(fom.affinity, (story::Counters{0, 0, 0, 2, 0}));
        QVERIFY(fom.Img->isEnabled());
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QVERIFY(!fom.ImgFce->isVisible());

        fom.Img_MouseDown(1);
        QCOMPARE(int(fom.answerCount), 0);
        QCOMPARE(fom.affinity, story::Counters{});
    }

    // Pressing a caption with any button paints it pressed; the other keeps its look.
    void pressPaintsTheChoicePressed() {
        GameFixture game;
        writeStory(game.content);
        Fom& fom = game.start();
        fom.Img_MouseDown(1);
        reachChoice(fom);
        QTest::mousePress(fom.Qst[1], Qt::RightButton);
        QCOMPARE(fom.Qst[1]->textColor(), QColor(255, 0, 255));
        QCOMPARE(fom.QstBak[1]->backColor(), QColor(0, 0, 255));
        QCOMPARE(fom.QstBak[1]->borderColor(), QColor(0, 255, 255));
        QCOMPARE(fom.Qst[0]->textColor(), QColor(0, 0, 0));
        QCOMPARE(fom.eventName, "zoa"); // a press alone answers nothing
    }

    // Pressing one caption and releasing off it leaves the choice open; a click on the other
    // answers with the other's key.
    void releaseOffTheCaptionAnswersNothing() {
        GameFixture game;
        writeStory(game.content);
        game.random.setValues({0.65f, 0.1f}); // selector 6; "a" in Qst(0)
        Fom& fom = game.start();
        fom.Img_MouseDown(1);
        reachChoice(fom);
        QTest::mousePress(fom.Qst[0], Qt::LeftButton);
        QTest::mouseRelease(fom.Qst[0], Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(fom.Qst[0]->isVisible());
        QCOMPARE(fom.Qst[0]->textColor(), QColor(255, 0, 255));
        QTest::mouseClick(fom.Qst[1], Qt::LeftButton);
        QCOMPARE(fom.eventName, "b_3");
    }

    void faceClickShowsTheVerse() {
        GameFixture game;
        writeStory(game.content);
        Fom& fom = game.start();
        fom.ImgFce_Click();
        QCOMPARE(game.messageBox.texts,
                 QStringList({"小さな金魚\r\nワタシノ小鳥\r\n翼を折って\r\nもう飛び立たない"}));
        QCOMPARE(fom.eventName, QString());
    }

    void messageBoxHasOnlyOkAndNoIcon() {
        QApplication::setApplicationDisplayName("ZOA");
        const auto box = platform::makeMessageBox("a\r\nb", nullptr);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), "a\nb");
        QCOMPARE(box->windowTitle(), "ZOA");
    }

    // With the real random source choice "a" lands in each label about half the time.
    void choiceAIsEvenlyPlaced() {
        platform::ClockRandom random;
        GameFixture real;
        real.content.writeScript("ev", {">", "A", "B"});
        Fom& realFom = real.start();
        int aOnTop = 0;
        constexpr int opens = 4000;
        for (int i = 0; i < opens; ++i) {
            real.random.setValues({random.next()});
            realFom.IveStt("ev", QString());
            real.tick();
            aOnTop += realFom.choiceKeys[0] == "a";
            QVERIFY(realFom.choiceKeys[0] != realFom.choiceKeys[1]);
        }
        QVERIFY2(std::abs(aOnTop - opens / 2) < opens / 20, qPrintable(QString::number(aOnTop)));
    }
};

QTEST_MAIN(StoryTest)
#include "story_test.moc"
