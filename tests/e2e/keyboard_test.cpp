// The keyboard, with real key events on the real window: a key reaches the handlers a click
// reaches, in the same order, so a play by keys leaves the trace the mouse leaves. Keys bound to
// a hidden control do nothing; the history opens over the game and gives the keys back.
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "support/game_fixture.h"

#include <QKeySequence>
#include <QListView>
#include <QTest>

namespace {

const QStringList names = {"Img", "ImgFce", "Lbl", "Qst0", "Qst1", "Hscl", "HsclTim"};

QList<QWidget*> controls(const Fom& f) {
    return {f.Img, f.ImgFce, f.Lbl, f.Qst[0], f.Qst[1], f.Hscl, f.HsclTim};
}

// The line selected in the open history, as a screen reader reads it.
QString history() {
    const auto* list = qobject_cast<QListView*>(QApplication::activePopupWidget());
    return list ? " history=" + list->currentIndex().data(Qt::AccessibleTextRole).toString() : "";
}

// Whether white, the focus mark's, shows on a control: nothing else there is white.
bool marked(Fom& fom, const QWidget* control) {
    const QImage shown =
        fom.grab(control->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(shown.constBits());
    const qsizetype count = shown.sizeInBytes() / 4;
    return std::find(pixels, pixels + count, qRgb(255, 255, 255)) != pixels + count;
}

// Steps, then keys ("Return Shift+Tab 2", "Return!" held down) to the focused control, clicks
// ("Img Qst1:r") and the wheel turned up ("Lbl:w"): what followed, as the short trace, "@" the
// control with the game's focus, "*" if it is marked, and the line selected in the history.
QString play(const QString& setup, const QString& actions) {
    GameFixture game;
    game.content.writeStory();
    Fom& fom = game.start();
    fom.activateWindow();
    Q_UNUSED(QTest::qWaitForWindowActive(&fom)); // the focus mark shows in the active window
    game.play(setup);
    const qsizetype from = game.trace.lines.size();
    for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype control = names.indexOf(action.section(':', 0, 0));
        const QKeyCombination key = QKeySequence::fromString(QString(action).remove('!'))[0];
        QKeyEvent held(QEvent::KeyPress, key.key(), key.keyboardModifiers(), QString(), true);
        QWheelEvent up({5, 5}, {5, 5}, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false);
        QWidget* keyed = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : fom.focusWidget();
        if (action.endsWith(":w")) {
            QApplication::sendEvent(controls(fom).at(control), &up);
        } else if (control >= 0 && QApplication::activePopupWidget()) { // the window's way
            const QWidget* target = controls(fom).at(control);
            QTest::mouseClick(fom.windowHandle(), Qt::LeftButton, {},
                              target->mapTo(&fom, target->rect().center()));
        } else if (control >= 0) {
            QTest::mouseClick(controls(fom).at(control),
                              action.endsWith(":r") ? Qt::RightButton : Qt::LeftButton);
        } else if (action.endsWith('!')) { // a key held down
            QApplication::sendEvent(keyed, &held);
        } else {
            QTest::keyClick(keyed, key.key(), key.keyboardModifiers());
        }
    }
    const qsizetype focus = controls(fom).indexOf(fom.focusWidget());
    const bool mark = focus < names.indexOf("Hscl") && marked(fom, fom.focusWidget());
    return game.shortTrace(from) + " @" + names.value(focus) + (mark ? "*" : "") + history();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Keys in each state of play; where a row names clicks, the mouse leaves the same trace. The
    // control with the focus wears the focus mark once keys are used, and not after a click.
    void keysActAsClicks_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const QString& setup, const QString& keys,
                            const QString& clicks, const QString& expected) {
            QTest::newRow(name) << setup << keys << clicks << expected;
        };
        const QString story = "selector 7 | se2 | event zoa zoa @Lbl*",
                      choice = "r:0.75,0.25 pleft t5";
        const QString answer0 = "answer 0 a 7 | se2 | event char00 char0 | face 0 @Lbl*";
        const QString answer1 = "answer 1 b 7 | se2 | event char00 char0 | face 0 @Lbl*";
        const QString turn = " | skip | se2 | choice a b | answer 0 a 1 | se2 | event ";
        row("title: Return", "r:0.75,0.25", "Return", "Img", story);
        row("title: context-menu key", "", "Menu", "Img:r", "event end - @Lbl*");
        row("title: Shift+F10", "", "Shift+F10", "", "event end - @Lbl*");
        row("title: the selector keeps its keys", "", "Right", "", "selector 2 | se2 @Hscl");
        row("title: the selector keeps PageUp", "", "PgUp", "", "selector 0 | se2 @Hscl");
        row("title: H opens the history from the selector", "", "H", "", " @Hscl history=");
        row("credits: Return skips them", "pright", "Return", "Lbl",
            "skip | end end | title @Img*");
        row("title returns: its picture takes the focus", "e:end t9", "", "", " @Img");
        row("typing: Space", "pleft", "Space", "Lbl", "skip | se2 | choice a b @Qst0*");
        row("typing: 1, 2, Up and Down do nothing", "pleft", "1 2 Up Down", "", " @Lbl");
        row("typing: the lines skipped are in the history", "w:zoa:一/二/三/>/A/B pleft t2",
            "Space H Up", "", "skip | se2 | choice a b @Qst0* history=二");
        row("choice: Return on the upper caption", choice, "Return", "Qst0", answer0);
        row("choice: 2", choice, "2", "Qst1", answer1);
        row("choice: 1", choice, "1", "", answer0);
        row("choice: a key held down acts once", choice, "Return Return!", "", answer0);
        row("choice: Down, Return", choice, "Down Return", "", answer1);
        row("choice: Tab, Space", choice, "Tab Space", "", answer1);
        row("choice: Down, Up, Return", choice, "Down Up Return", "", answer0);
        row("choice: Return on the speed slider does nothing", choice, "Shift+Tab Return", "",
            " @HsclTim");
        row("history: H, then up to the mark of the last event", choice + " a0 t7", "H Up", "",
            " @Lbl* history=場面のはじまり");
        row("history: Up to a line long gone from the window", choice + " a0 t7", "H Up Up", "",
            " @Lbl* history=zoa");
        row("history: Escape gives the keys back", choice, "H Escape 1", "", answer0);
        row("history: PageDown on the last line closes it", choice, "PgUp PgDown", "", " @Qst0*");
        row("history: the wheel over the text window", choice, "Lbl:w", "", " @Qst0 history=zoa");
        row("history: a click outside only closes it", "", "H Img", "", " @Hscl");
        row("face: Shift+Tab, Return", choice + " a0", "Shift+Tab Return", "ImgFce",
            "message 小さな金魚\r\nワタシノ小鳥\r\n翼を折って\r\nもう飛び立たない @ImgFce*");
        row("choice: the mark on the pressed look", choice, "Qst1:r Down", "", " @Qst1*");
        row("choice: a click takes the mark away", choice, "Down Qst1:r", "", " @Qst1");
        row("a whole story", "r:0.15,0.1", QString("Return ").repeated(12),
            "Img" + QString(" Lbl Qst0").repeated(5) + " Lbl",
            "event zoa zoa" + (turn + "a_0 a_0").repeated(4) + turn +
                "name_end name_end | skip | end name_end | title @Img*");
    }
    void keysActAsClicks() {
        QFETCH(QString, setup);
        QFETCH(QString, keys);
        QFETCH(QString, clicks);
        QFETCH(QString, expected);
        QCOMPARE(play(setup, keys), expected);
        if (!clicks.isEmpty()) {
            QCOMPARE(play(setup, clicks).section(" @", 0, 0), expected.section(" @", 0, 0));
        }
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
