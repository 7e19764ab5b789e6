// The game as a screen reader sees it, on the real accessibility bridge: run by at_spi_test.sh
// on a virtual X screen with a private D-Bus session and accessibility bus. In process, the
// events Qt hands its bridge; over the bus, a client of AT-SPI plays whole stories.
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

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QTRY_VERIFY(QAccessible::isActive()); }

    // The controls a player acts on are named buttons whose first action presses them, the text
    // window is text, the tooltips are descriptions, and decoration is left out. Each finished
    // line is said once, the skip's message once; the focus announces the captions and the
    // title's return.
    void screenReaderHearsWhatAPlayerReads() {
        GameFixture game;
        game.content.writeStory();
        game.content.writeScript("zoa", {"一行目", "二行目", ">", "はい", "いいえ"});
        game.random.setValues({0.15f, 0.1f});
        Fom& fom = game.start();
        fom.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fom));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&fom);
        QStringList tree;
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* control = window->child(i);
            tree << QMetaEnum::fromType<QAccessible::Role>().valueToKey(control->role()) +
                        (" " + control->text(QAccessible::Name)) + " " +
                        control->actionInterface()->actionNames().first();
        }
        QCOMPARE(tree.join(" | "),
                 "Button 顔 Press | Button 物語をはじめる Press | EditableText 本文 "
                 "Press | Button Label1 Press | Button Label1 Press | ScrollBar  "
                 "SetFocus | ScrollBar  SetFocus");
        QCOMPARE(window->child(2)->text(QAccessible::Description), "クリックするとすっ飛ばし");
        QAccessible::installUpdateHandler(listen);
        press(window, 3); // hidden: nothing
        press(window, 1);
        game.play("t9");
        press(window, 3);
        press(window, 2);
        game.play("x:dat1/a_0.txt");
        press(window, 3);
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(heard.join(" | "),
                 "focus 本文 | say 一行目 | say 二行目 | focus はい | focus 本文 | "
                 "say イベントをとばしました | focus A a_0 | focus 本文 | focus 物語をはじめる");
    }

    // A client of AT-SPI plays a story as a screen reader's user would, by the controls' actions
    // alone, and hears each line; the trace is the one real clicks leave on the same controls.
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
            QCOMPARE(client.readAll().trimmed(), "heard: zoa | a_0 | a_0 | a_0 | a_0 | fin");
            traces << game.shortTrace(from);
        }
        QCOMPARE(traces.at(1), traces.at(0));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
