// The controls' own rules: presses and clicks, plain text drawn where it changed, pictures that
// look the same when disabled, timers, and a history of bounded size.
#include "controls/history.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/timer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>

class ControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Presses and clicks as the game's handlers expect: a click is a left press and release on
    // the control; the second press of a double click is neither; every button presses.
    void pressesAndClicks_data() {
        QTest::addColumn<QString>("actions"); // l left click, r right click, p left press,
        QTest::addColumn<QString>("pressed"); // o left release outside, d double click
        QTest::addColumn<int>("clicks");
        const auto row = [](const char* name, const char* actions, const char* pressed,
                            int clicks) {
            QTest::newRow(name) << QString(actions) << QString(pressed) << clicks;
        };
        row("left click", "l", "1", 1);
        row("double click", "ld", "1", 1);
        row("right click", "r", "2", 0);
        row("release outside", "po", "1", 0);
        row("press, release outside, click", "pol", "1 1", 1);
    }
    void pressesAndClicks() {
        QFETCH(QString, actions);
        QFETCH(QString, pressed);
        QFETCH(int, clicks);
        QWidget window;
        controls::Label label(&window);
        label.resize(50, 20);
        window.show();
        QStringList buttons;
        connect(&label, &controls::Label::pressed, [&](int b) { buttons << QString::number(b); });
        QSignalSpy clicked(&label, &controls::Label::clicked);
        const QHash<QChar, std::function<void()>> act = {
            {'l', [&] { QTest::mouseClick(&label, Qt::LeftButton); }},
            {'r', [&] { QTest::mouseClick(&label, Qt::RightButton); }},
            {'p', [&] { QTest::mousePress(&label, Qt::LeftButton); }},
            {'o', [&] { QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-5, -5)); }},
            {'d', [&] {
                 QTest::mouseDClick(&label, Qt::LeftButton);
                 QTest::mouseRelease(&label, Qt::LeftButton);
             }}};
        for (const QChar action : actions) {
            act.value(action)();
        }
        QCOMPARE(buttons.join(' '), pressed);
        QCOMPARE(clicked.count(), clicks);
    }

    // Markup is shown as typed: "<b>bold</b>" paints its tags as characters.
    void labelShowsPlainText() {
        QWidget window;
        controls::Label label(&window);
        label.resize(400, 40);
        label.setTextColor(Qt::white);
        window.show();
        const auto paintedWidth = [&label](const QString& caption) {
            label.setCaption(caption);
            const QImage image = label.grab().toImage();
            const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
            int right = 0;
            for (int x = 0; x < image.width(); ++x) {
                for (int y = 0; y < image.height(); ++y) {
                    right = image.pixel(x, y) != background ? x : right;
                }
            }
            return right;
        };
        QVERIFY(paintedWidth("<b>bold</b>") > 2 * paintedWidth("bold"));
    }

    // Typing draws again only what changed, yet the screen shows, character by character and
    // through wrapped and scrolled lines, what QPainter::drawText() draws of the whole text.
    void typedTextLooksAsDrawnWhole_data() {
        QTest::addColumn<QString>("family");
        QTest::newRow("Japanese from a fallback font") << QFont().family();
        QTest::newRow("Japanese font") << QStringLiteral("IPAGothic");
    }
    void typedTextLooksAsDrawnWhole() {
        QFETCH(QString, family);
        QWidget window;
        window.resize(300, 120);
        QFont slanted(family); // its glyphs reach past their advance
        slanted.setItalic(true);
        window.setFont(slanted);
        controls::Label label(&window);
        label.resize(window.size());
        label.setTextColor(Qt::white);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto screen = [&window] {
            return window.screen()
                ->grabWindow(window.winId())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const QString line = "夜の港に\t灯がともり、波の音だけが静かに響いていた。gjpqyľˡx遠くで汽"
                             "笛が鳴り灯台の光が海を渡る静かな港町";
        QStringList lines(3);
        for (int step = 0; step <= 2 * line.size(); ++step) {
            if (step % line.size() == 0) {
                lines.append(QString());
                lines.removeFirst();
            }
            lines.last() = line.left(step % line.size() + 1);
            if (step == 2 * line.size()) { // a caption of fewer lines
                lines = QStringList{"了"};
            }
            label.setCaption(lines.join("\r\n"));
            QImage whole(screen().size(), QImage::Format_RGB32);
            whole.fill(window.palette().color(QPalette::Window));
            QPainter painter(&whole);
            painter.setFont(slanted);
            painter.setPen(Qt::white);
            painter.drawText(whole.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             QString(lines.join('\n')).replace('\t', ' '));
            QTRY_COMPARE_WITH_TIMEOUT(screen(), whole, 1000);
        }
    }

    void disabledPictureLooksTheSameAndTakesNoPress() {
        QTemporaryDir dir;
        QImage source(4, 4, QImage::Format_RGB888);
        source.fill(QColor(10, 120, 240));
        QVERIFY(source.save(dir.filePath("p.bmp"), "BMP"));
        QWidget window;
        controls::Picture picture(&window);
        picture.resize(40, 40);
        window.show();
        QSignalSpy pressed(&picture, &controls::Picture::pressed);
        QVERIFY(picture.load(dir.filePath("p.bmp")));
        const QImage enabled = picture.grab().toImage();
        QTest::mouseClick(&picture, Qt::LeftButton);
        picture.setEnabled(false);
        QTest::mouseClick(&picture, Qt::LeftButton);
        QTest::mouseClick(&picture, Qt::RightButton);
        QCOMPARE(pressed.count(), 1); // the press made while enabled
        QCOMPARE(picture.grab().toImage(), enabled);
        QCOMPARE(enabled.pixelColor(20, 20), QColor(10, 120, 240));
        QVERIFY(!picture.load(dir.filePath("absent.bmp")));
        QCOMPARE(picture.fileName(), dir.filePath("p.bmp"));
    }

    // A timer ticks only while enabled with an interval above 0, and a late tick comes once.
    void timerTicksOnlyWhenEnabledWithAnInterval() {
        QObject owner;
        controls::Timer timer(&owner);
        QSignalSpy ticks(&timer, &controls::Timer::tick);
        const auto ticksWithin30ms = [&ticks] {
            ticks.clear();
            QThread::msleep(30);
            QCoreApplication::processEvents();
            return ticks.count();
        };
        timer.setEnabled(true);
        QCOMPARE(ticksWithin30ms(), 0); // no interval yet
        timer.setInterval(1);
        QCOMPARE(ticksWithin30ms(), 1); // some 30 ticks due, delivered once
        QTRY_VERIFY(ticks.count() >= 3);
        timer.setEnabled(false);
        QCOMPARE(ticksWithin30ms(), 0);
        timer.setEnabled(true);
        timer.setInterval(0);
        QCOMPARE(ticksWithin30ms(), 0);
    }

    // Timers with slack tick with another timer once due, long before their slack ends, yet no more
    // often than their interval, also where a slack ends before the other timer ticks.
    void timersWithSlackTickWithAnother() {
        QObject owner;
        controls::Timer watch(&owner);
        controls::Timer shortSlack(&owner);
        controls::Timer other(&owner);
        QSignalSpy ticks(&watch, &controls::Timer::tick);
        QSignalSpy shortSlackTicks(&shortSlack, &controls::Timer::tick);
        watch.setSlack(60000);
        shortSlack.setSlack(5); // less than the other's interval: it also wakes by itself
        for (controls::Timer* timer : {&watch, &shortSlack}) {
            timer->setInterval(100);
            timer->setEnabled(true);
        }
        other.setInterval(10);
        other.setEnabled(true);
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE(ticks.count(), 5);
        QVERIFY(clock.elapsed() >= 500);
        QVERIFY(shortSlackTicks.count() <= 5);
    }

    // The history keeps the last 10,000 lines of a run, the oldest dropped; an empty line adds
    // nothing.
    void historyKeepsTheLastTenThousandLines() {
        QWidget window;
        controls::History history(&window);
        history.markEvent();
        for (int i = 1; i <= 10000; ++i) {
            history.addLine(QString::number(i));
        }
        history.addLine(QString());
        const QAbstractItemModel* lines = history.model();
        QCOMPARE(lines->rowCount(), 10000);
        QCOMPARE(lines->index(0, 0).data().toString() + " " +
                     lines->index(9999, 0).data().toString(),
                 "1 10000");
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
