// The controls' own rules: presses and clicks, plain text, pictures that look the same when
// disabled, boxes that let presses through, and timers.
#include "platform/box.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/timer.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class ControlsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Press, release, double click, release: one press and one click, as the game's handlers
    // expect; a press with another button is a press only.
    void doubleClickIsNotASecondClick() {
        QWidget window;
        platform::Label label(&window);
        label.resize(50, 20);
        window.show();
        QSignalSpy presses(&label, &platform::Label::pressed);
        QSignalSpy clicks(&label, &platform::Label::clicked);
        QTest::mouseClick(&label, Qt::LeftButton);
        QTest::mouseDClick(&label, Qt::LeftButton);
        QTest::mouseRelease(&label, Qt::LeftButton);
        QCOMPARE(presses.count(), 1);
        QCOMPARE(clicks.count(), 1);
        QTest::mouseClick(&label, Qt::RightButton);
        QCOMPARE(presses.count(), 2);
        QCOMPARE(presses.last().first().toInt(), 2);
        QCOMPARE(clicks.count(), 1);
    }

    // Markup and line breaks are shown as typed; CR LF starts a new line.
    void labelShowsPlainText() {
        QWidget window;
        platform::Label label(&window);
        label.resize(400, 200);
        label.setTextColor(Qt::white);
        label.setCaption("<b>bold</b>\r\nnext");
        QCOMPARE(label.caption(), "<b>bold</b>\r\nnext");
        QCOMPARE(label.accessibleName(), "<b>bold</b>\nnext");
        window.show();
        const QImage image = label.grab().toImage();
        QVERIFY(!image.isNull());
    }

    void disabledPictureLooksTheSameAndTakesNoPress() {
        QTemporaryDir dir;
        QImage source(4, 4, QImage::Format_RGB888);
        source.fill(QColor(10, 120, 240));
        QVERIFY(source.save(dir.filePath("p.bmp"), "BMP"));
        QWidget window;
        platform::Picture picture(&window);
        picture.resize(40, 40);
        window.show();
        QVERIFY(picture.load(dir.filePath("p.bmp")));
        const QImage enabled = picture.grab().toImage();
        picture.setEnabled(false);
        QCOMPARE(picture.grab().toImage(), enabled);
        QCOMPARE(enabled.pixelColor(20, 20), QColor(10, 120, 240));
        QVERIFY(!picture.load(dir.filePath("absent.bmp")));
        QCOMPARE(picture.fileName(), dir.filePath("p.bmp"));
    }

    void pictureRefusesWhatIsNoPicture() {
        QTemporaryDir dir;
        QFile file(dir.filePath("bad.bmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("BM this is not a picture");
        file.close();
        QWidget window;
        platform::Picture picture(&window);
        QVERIFY(!picture.load(dir.filePath("bad.bmp")));
        QVERIFY(picture.fileName().isEmpty());
    }

    void boxLetsPressesThrough() {
        QWidget window;
        window.resize(100, 100);
        platform::Label under(&window);
        under.setGeometry(0, 0, 100, 100);
        platform::Box box(&window);
        box.setGeometry(0, 0, 100, 100);
        window.show();
        QCOMPARE(window.childAt(50, 50), static_cast<QWidget*>(&under));
    }

    // A timer ticks only while enabled with an interval above 0.
    void timerTicksOnlyWhenEnabledWithAnInterval() {
        QObject owner;
        platform::Timer timer(&owner);
        QSignalSpy ticks(&timer, &platform::Timer::tick);
        timer.setEnabled(true);
        QVERIFY(!timer.isTicking());
        timer.setInterval(5);
        QVERIFY(timer.isTicking());
        QVERIFY(ticks.wait(1000));
        timer.setEnabled(false);
        QVERIFY(!timer.isTicking());
        QCOMPARE(timer.interval(), 5);
    }
};

QTEST_MAIN(ControlsTest)
#include "controls_test.moc"
