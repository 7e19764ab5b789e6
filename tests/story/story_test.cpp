// The story through the handlers, as a table: presses on the title, answers, counters, the
// ending, faces, the pressed look and the face's verse. The story content is
// TestContent::writeStory; steps and short forms are those of GameFixture::play.
#include "platform/message_box.h"
#include "support/game_fixture.h"

#include <QMessageBox>
#include <QTest>

class StoryTest : public QObject {
    Q_OBJECT

    static void row(const char* name, const QString& setup, const QString& steps,
                    const QString& trace, const QString& state, const QString& counters) {
        QTest::newRow(name) << setup << steps << trace << state << counters;
    }

private Q_SLOTS:
    void storyFollowsPressesAndAnswers_data() {
        QTest::addColumn<QString>("setup"); // steps whose trace is not looked at
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("counters");
        const QString zero = "0 0 0 0 0 | 0";
        const QString answerAt = "r:0.2 p1 k"; // a choice open, "a" on top, next draws 2

        // Presses on the title.
        row("a left press starts a story afresh", "c:1,2,3,4,5,4 r:0.45", "p1",
            "selector 4 | se2 | event zoa zoa", "typing script img=zoa", zero);
        row("a middle press starts a story afresh", "c:1,2,3,4,5,4 r:0.45", "p4",
            "selector 4 | se2 | event zoa zoa", "typing script img=zoa", zero);
        row("a right press plays the credits", "c:1,2,3,4,5,4 r:0.45", "p2", "event end -",
            "typing script title img=opn", "1 2 3 4 5 | 4");
        row("a second right press starts the credits over", "p2 t4", "p2 t1",
            "event end - | se | line credits", "typing script title img=opn", zero);
        row("presses are not taken while a story runs", "r:0.45 p1 t3", "p2 p1", "",
            "typing script img=zoa", zero);
        row("a first draw equal to the selector sounds nothing", "r:0.15", "p1", "event zoa zoa",
            "typing script img=zoa", zero);

        // Answers.
        row("an answer a after an answer draw counts", answerAt + " s6", "a0",
            "answer 0 a 6 | se2 | selector 2 | se2 | event a_3 a_3", "typing script img=a_3",
            "0 0 0 0 0 | 1");
        row("an answer b does not count", answerAt + " s1", "a1",
            "answer 1 b 1 | se2 | selector 2 | se2 | event b_0 b_0", "typing script img=b_0", zero);
        row("the fifth answer a plays the ending", answerAt + " c:0,0,0,0,0,4 s9", "a0",
            "answer 0 a 9 | se2 | selector 2 | se2 | event name_end name_end",
            "typing script img=name_end", "0 0 0 0 0 | 5");
        row("a next draw equal to the selector sounds nothing", "r:0.35 p1 k", "a0",
            "answer 0 a 3 | se2 | event a_1 a_1", "typing script img=a_1", "0 0 0 0 0 | 1");

        // Character draws.
        row("an answer a at a character draw does not count", answerAt + " c:0,0,0,0,0,4 s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | face 3",
            "typing script img=char3 face=3", "0 0 0 1 0 | 4");
        row("both captions lead to the character", answerAt + " c:0,0,0,0,0,4 s4", "a1",
            "answer 1 b 4 | se2 | selector 2 | se2 | event char30 char3 | face 3",
            "typing script img=char3 face=3", "0 0 0 1 0 | 4");
        row("an answer draw hides the face", answerAt + " s4 a0 k s1", "a1",
            "answer 1 b 1 | se2 | selector 2 | se2 | event b_0 b_0", "typing script img=b_0",
            "0 0 0 1 0 | 0");
        row("a face that cannot be read stays hidden", answerAt + " x:dat2/3.bmp s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | warning dat2/3.bmp",
            "typing script img=char3", "0 0 0 1 0 | 0");
        row("a scene without its script shows no face", answerAt + " x:dat1/char30.txt s4", "a0",
            "answer 0 a 4 | se2 | selector 2 | se2 | event char30 char3 | "
            "warning dat1/char30.txt | end char30 | title",
            "title img=opn", "0 0 0 1 0 | 0");
        row("the title hides the face and keeps the counters", answerAt + " w:char30:bye s4 a0",
            "t5", "se | line bye | se | end char30 | title", "title img=opn", "0 0 0 1 0 | 0");

        // The pressed look and the face's verse.
        row("a press paints its caption pressed", "p1 k", "d1", "", "choice[A zoa|B zoa*] img=zoa",
            zero);
        row("the face's verse", "", "f",
            "message 小さな金魚\r\nワタシノ小鳥\r\n翼を折って\r\nもう飛び立たない", "title img=opn",
            zero);
    }

    void storyFollowsPressesAndAnswers() {
        QFETCH(QString, setup);
        QFETCH(QString, steps);
        QFETCH(QString, trace);
        QFETCH(QString, state);
        QFETCH(QString, counters);
        GameFixture game;
        game.content.writeStory();
        game.start();
        game.play(setup);
        QCOMPARE(game.play(steps), trace);
        QCOMPARE(game.state(), state);
        QCOMPARE(game.counters(), counters);
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
};

QTEST_MAIN(StoryTest)
#include "story_test.moc"
