// The game as a screen reader sees it, on the real accessibility bridge: run by at_spi_test.sh
// on a virtual X screen with a private D-Bus session and accessibility bus. In process, the
// events Qt hands its bridge; over the bus, a client of AT-SPI plays whole stories.
#include "controls/label.h"
#include "controls/picture.h"
#include "support/game_fixture.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QProcess>
#include <QTest>

namespace {

QStringList heard; // what the bridge is told

void listen(QAccessibleEvent* event) {
    QAccessibleInterface* source = event->accessibleInterface();
    const QList<QAccessible::Event> changes = {QAccessible::NameChanged, QAccessible::TextInserted,
                                               QAccessible::TextRemoved, QAccessible::TextUpdated};
    if (event->type() == QAccessible::ObjectShow && source->role() == QAccessible::Notification) {
        heard << "say " + source->text(QAccessible::Name);
    } else if (event->type() == QAccessible::Focus) {
        heard << "focus " + source->text(QAccessible::Name);
    } else if (changes.contains(event->type())) {
        heard << "changed " + source->text(QAccessible::Name); // none as lines are typed
    }
}

void press(QAccessibleInterface* window, int control) {
    window->child(control)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

const QString question = "問いです。答えはふたつ、1 か 2、または上下で選んで Return";

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QTRY_VERIFY(QAccessible::isActive()); }

    // The controls a player acts on are named buttons whose first action presses them, the text
    // window is read-only text, the descriptions say what keys do, and decoration is left out.
    // Each finished line is said once, the skip's message once, a picture's description from its
    // author before the lines typed over it, and that a question waits; the focus announces the
    // captions and the title's return. The text window offers its drawn rows, from an empty page
    // at an event's start.
    void screenReaderHearsWhatAPlayerReads() {
        GameFixture game;
        game.content.writeStory();
        game.content.writeScript("zoa", {"一行目", "二行目", ">", "はい", "いいえ"});
        game.content.writeFile("dat2/zoa.description", QString("駅の\r\nホーム").toUtf8());
        game.random.setValues({0.15f, 0.1f});
        Fom& fom = game.start();
        fom.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fom));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&fom);
        QStringList tree;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* control = window->child(i);
            tree << QMetaEnum::fromType<QAccessible::Role>().valueToKey(control->role()) +
                        (" " + control->text(QAccessible::Name)) +
                        (control->state().readOnly ? " readOnly " : " ") +
                        control->actionInterface()->actionNames().first();
        }
        QCOMPARE(tree.join(" | "),
                 "Button 顔 Press | Button 物語をはじめる Press | EditableText 本文 readOnly "
                 "Press | Button Label1 Press | Button Label1 Press | ScrollBar 次の場面 "
                 "SetFocus | ScrollBar 文字の速さ SetFocus");
        QCOMPARE(fom.Lbl->toolTip() + " / " + window->child(2)->text(QAccessible::Description),
                 "クリックするとすっ飛ばし / Return でとばす。H で履歴");
        QAccessible::installUpdateHandler(listen);
        press(window, 3); // hidden: nothing
        press(window, 1);
        game.play("t9");
        QAccessibleTextInterface* text = window->child(2)->textInterface();
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end), "一行目\n");
        const QRect character = text->characterRect(end); // 二
        QCOMPARE(QList<int>({start, end, text->offsetAtPoint(character.center())}),
                 QList<int>({0, 4, 4}));
        QVERIFY(QRect(fom.Lbl->mapToGlobal(QPoint()), fom.Lbl->size()).contains(character));
        press(window, 3);
        QCOMPARE(text->characterCount(), 0); // the page of a_0, which shows 二行目 still
        press(window, 2);
        game.play("x:dat1/a_0.txt");
        press(window, 3);
        fom.resumeStory({}, 0, "char00", "char0", 0); // a face without a description
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(
            heard.join(" | "),
            "changed opn | changed 駅の ホーム | focus 本文 | say 駅の ホーム | say 一行目 | "
            "say 二行目 | changed はい | changed いいえ | say " +
                question +
                " | focus はい | focus 本文 | changed a_0 | say イベントをとばしました | "
                "changed A a_0 | changed B a_0 | say " +
                question +
                " | focus A a_0 | focus 本文 | changed 物語をはじめる | focus 物語をはじめる | "
                "focus 本文 | changed opn | changed char0 | changed 顔 0");
    }

    // A client of AT-SPI plays a story as a screen reader's user would, by real keys and the
    // controls' actions alone: it hears each line, a question at each choice and the ending,
    // reads the scroll bars' names, the captions' new names at each choice from its cache, and
    // the history, lines long gone from the text window among them. The trace is the one real
    // clicks leave on the same controls.
    void assistiveTechnologyPlaysAsTheMouseDoes() {
        QStringList traces;
        for (const char* way : {"clicks", "actions"}) {
            GameFixture game;
            game.content.writeStory();
            game.random.setValues({0.15f, 0.1f}); // answer scenes; "a" the upper caption
            game.start();
            const qsizetype from = game.trace.lines.size();
            QProcess client;
            client.setProcessChannelMode(QProcess::MergedChannels);
            client.start("/usr/bin/python3",
                         {ZOA_AT_SPI_CLIENT, QCoreApplication::applicationName(), way});
            QTRY_VERIFY_WITH_TIMEOUT(client.state() == QProcess::NotRunning, 60000);
            const QString mark = "場面のはじまり | ";
            QCOMPARE(client.readAll().trimmed(),
                     "scroll bars: 次の場面 | 文字の速さ\ncaptions: A zoa,B zoa" +
                         QString(" | A a_0,B a_0").repeated(4) + "\nheard: zoa" +
                         (" | " + question + " | a_0").repeated(4) + " | " + question +
                         " | fin | 物語のおわり\n履歴: " + mark + "credits | " + mark + "zoa | " +
                         (mark + "a_0 | ").repeated(4) + mark + "fin*");
            traces << game.shortTrace(from);
        }
        QCOMPARE(traces.at(1), traces.at(0));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
