// The event player as a table: a script, steps through the handlers, and what the player hears
// and sees (the short trace, the text window, the screen). Steps and the short forms are those of
// GameFixture::play.
#include "player/script_line.h"
#include "support/game_fixture.h"

#include <QTest>

namespace {
const QString skipMessage = QStringLiteral("イベントをとばしました");
}

class EventPlayerTest : public QObject {
    Q_OBJECT

    static void row(const char* name, const QStringList& script, const QString& steps,
                    const QString& trace, const QString& window, const QString& state) {
        QTest::newRow(name) << script << steps << trace << window << state;
    }

private Q_SLOTS:
    void eventsPlayAsTheScriptSays_data() {
        QTest::addColumn<QStringList>("script"); // the event "ev"
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("trace"); // "*": not looked at
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("state");
        const QString typing = QStringLiteral("typing script title img=opn");
        const QString title = QStringLiteral("title img=opn");
        const QString pictured = QStringLiteral("typing script title img=pic");
        const QString choiceAB = QStringLiteral("choice[A|B] title img=opn");

        // Typing, line by line.
        row("first tick blanks the window", {"あいう"}, "e:ev t1", "event ev - | se | line あいう",
            "////////", typing);
        row("a line of n characters takes n + 1 ticks", {"0123456789", "", "ab"}, "e:ev t14",
            "event ev - | se | line 0123456789 | se | line  | se | line ab", "//////0123456789//a",
            typing);
        row("the window scrolls by whole lines",
            {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "1"}, "e:ev t22", "*",
            "3/4/5/6/7/8/9/0/1", typing);
        row("the end returns to the title, the text stays", {"xy"}, "e:ev:pic t4",
            "event ev pic | se | line xy | se | end ev | title", "////////xy", title);
        row("an empty script ends at the first tick", {}, "e:ev t1",
            "event ev - | se | end ev | title", "", title);
        row("an event started again begins at its first line", {"first", "second"},
            "e:ev t8 e:ev t1",
            "event ev - | se | line first | se | line second | event ev - | se | line first",
            "////////", typing);

        // Pictures.
        row("a picture line takes no tick", {"img[pic]", "hello"}, "e:ev t1",
            "event ev - | se | picture pic | line hello", "////////", pictured);
        row("a marker after a picture line is typed", {"img[pic]", ">", "A", "B"}, "e:ev t2",
            "event ev - | se | picture pic | line >", "////////>", pictured);
        row("a picture line after a picture line is typed", {"img[pic]", "img[other]"}, "e:ev t1",
            "event ev - | se | picture pic | line img[other]", "////////", pictured);
        row("a picture line as the last line ends the event", {"a", "img[pic]"}, "e:ev t3",
            "event ev - | se | line a | se | picture pic | end ev | title", "////////a", title);

        // Choices.
        row("the choice opens in the tick that reads the marker", {"ab", ">", "yes", "no", "never"},
            "e:ev t4", "event ev - | se | line ab | se | se2 | choice a b", "////////ab",
            "choice[yes|no] title img=opn");
        row("a marker as the first line keeps the window", {">", "yes", "no"}, "e:ev t1",
            "event ev - | se | se2 | choice a b", "", "choice[yes|no] title img=opn");
        row("answer a below when the draw says so", {">", "行く", "帰る"}, "r:0.6 e:ev t1",
            "event ev - | se | se2 | choice b a", "", "choice[帰る|行く] title img=opn");
        row("captions as read, in the normal look", {">", ">next", " img[x] "}, "e:ev d0 d1 t1",
            "event ev - | se | se2 | choice a b", "", "choice[>next| img[x] ] title img=opn");
        row("an empty caption keeps its box", {">", "", "b"}, "e:ev t1",
            "event ev - | se | se2 | choice a b", "", "choice[|b] title img=opn");
        row("a marker with one caption ends the event", {">", "only"}, "e:ev t1",
            "event ev - | se | se2 | end ev | title", "", title);
        row("a marker as the last line ends the event", {"x", ">"}, "e:ev t3",
            "event ev - | se | line x | se | se2 | end ev | title", "////////x", title);

        // The skip.
        row("a skip jumps to the choice, past pictures", {"one", "img[pic]", "two", ">", "A", "B"},
            "e:ev t3 k", "event ev - | se | line one | skip | se2 | choice a b", skipMessage,
            choiceAB);
        row("a skip takes the line after a picture line for a marker",
            {"one", "img[pic]", ">", "A", "B"}, "e:ev t2 k",
            "event ev - | se | line one | skip | se2 | choice a b", skipMessage, choiceAB);
        row("a skip on the last line ends at once", {"abcdef"}, "e:ev t3 k",
            "event ev - | se | line abcdef | skip | end ev | title", "////////ab", title);
        row("a skip without a choice ends on the message", {"one", "two", "img[x]", "three"},
            "e:ev t2 k", "event ev - | se | line one | skip | end ev | title", skipMessage, title);
        row("a skip to a marker with one caption ends the event", {"x", ">", "only"}, "e:ev t1 k",
            "event ev - | se | line x | skip | se2 | end ev | title", skipMessage, title);
        row("no skip while a choice is shown", {"x", ">", "A", "B"}, "e:ev t3 k",
            "event ev - | se | line x | se | se2 | choice a b", "////////x", choiceAB);
        row("no skip at the title", {}, "k", "", "", title);

        // Missing content: a warning naming the file, and play goes on.
        row("a missing script returns to the title", {}, "e:absent",
            "event absent - | warning dat1/absent.txt | end absent | title", "", title);
        row("missing pictures leave the picture shown", {"img[gone]", "text", "img[pic]", "more"},
            "e:ev:absent t1",
            "event ev absent | warning dat2/absent.bmp | se | warning dat2/gone.bmp | line text",
            "////////", typing);
        row("a picture line too short changes nothing", {"img", ">", "a", "b"}, "e:ev t1",
            "event ev - | se | warning dat1/ev.txt | line >", "////////", typing);
        row("a title picture gone at the return keeps the event's", {"xy"},
            "e:ev:pic x:dat2/opn.bmp t4",
            "event ev pic | se | line xy | se | end ev | warning dat2/opn.bmp | title",
            "////////xy", "title img=pic");
    }

    void eventsPlayAsTheScriptSays() {
        QFETCH(QStringList, script);
        QFETCH(QString, steps);
        QFETCH(QString, trace);
        QFETCH(QString, window);
        QFETCH(QString, state);
        GameFixture game;
        game.content.writeScript("ev", script);
        game.content.writePicture("pic");
        game.content.writePicture("other");
        game.start();
        const QString played = game.play(steps);
        if (trace != "*") {
            QCOMPARE(played, trace);
        }
        QCOMPARE(game.shown(), window);
        QCOMPARE(game.state(), state);
    }

    // A line longer than a 16-bit position can count is typed in full, with one warning.
    void veryLongLineIsTypedInFull() {
        GameFixture game;
        game.content.writeScript("ev", {QString(40000, 'x'), "next"});
        Fom& fom = game.start();
        game.play("e:ev t40001");
        QCOMPARE(fom.textLines[8].size(), 40000);
        QCOMPARE(game.play("t1"), "se | line next");
        QCOMPARE(game.trace.warnings.size(), 1);
    }

    // Which kind a script line is, and which picture a picture line names ("none" when it is too
    // short to name one).
    void linesAreReadByTheirFirstCharacters_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("read");
        QTest::newRow("bracketed picture") << "img[char0]" << QString("picture [char0]");
        QTest::newRow("twelve characters") << "img abcdefg." << QString("picture [abcdefg]");
        QTest::newRow("five characters name the empty picture") << "img[]" << QString("picture []");
        QTest::newRow("four characters") << "img[" << QString("picture none");
        QTest::newRow("img alone") << "img" << QString("picture none");
        QTest::newRow("Img") << "Img[a]" << QString("text");
        QTest::newRow("marker") << ">" << QString("marker");
        QTest::newRow("marker with text") << ">どうする？" << QString("marker");
        QTest::newRow("blank then marker") << " >" << QString("text");
        QTest::newRow("full-width greater-than") << "＞" << QString("text");
    }
    void linesAreReadByTheirFirstCharacters() {
        QFETCH(QString, line);
        QFETCH(QString, read);
        const QMap<player::LineKind, QString> kinds = {{player::LineKind::Text, "text"},
                                                       {player::LineKind::Picture, "picture"},
                                                       {player::LineKind::ChoiceMarker, "marker"}};
        const std::optional<QString> name = player::pictureName(line);
        QString found = kinds.value(player::classifyLine(line));
        if (found == "picture") {
            found += name ? " [" + *name + "]" : QString(" none");
        }
        QCOMPARE(found, read);
    }
};

QTEST_MAIN(EventPlayerTest)
#include "event_player_test.moc"
