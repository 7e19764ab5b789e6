// Start-up, title and shutdown, read from the real controls of a game over test-made content,
// and the layout numbers computed from the screen height.
#include "controls/box.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/scroll_bar.h"
#include "controls/timer.h"
#include "support/game_fixture.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

QString range(const QScrollBar* bar) {
    return QStringLiteral("%1..%2 by %3, %4")
        .arg(bar->minimum())
        .arg(bar->maximum())
        .arg(bar->singleStep())
        .arg(bar->pageStep());
}

QString fontName(const QWidget* control) {
    return control->font().family();
}

QString stacking(const Fom& fom) {
    const QList<QWidget*> order = {fom.BakLbl, fom.ImgFce,    fom.Img,    fom.Lbl,  fom.QstBak[0],
                                   fom.Qst[0], fom.QstBak[1], fom.Qst[1], fom.Hscl, fom.HsclTim};
    QStringList found;
    for (QObject* child : fom.children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) {
            found << QString::number(order.indexOf(widget));
        }
    }
    return found.join(QLatin1Char(' '));
}

// The controls that take the focus, numbered in screen order, in the order of the focus chain
// from the focused one.
QString focusChain(const Fom& f) {
    const QList<const QWidget*> controls = {f.Hscl,   f.HsclTim, f.ImgFce, f.Img,
                                            f.Qst[0], f.Qst[1],  f.Lbl};
    QStringList chain;
    for (const QWidget* w = f.focusWidget(); chain.size() < controls.size();
         w = w->nextInFocusChain()) {
        if (controls.contains(w)) {
            chain << QString::number(controls.indexOf(w));
        }
    }
    return chain.join(QLatin1Char(' '));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The window as designed, at two screen heights: each control on its rectangle of the 17 by
    // 10 grid over the inner area, the fonts, colours, texts and settings, and the title waiting.
    void windowIsAsDesigned_data() {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QString>("fontSizes"); // version label, text window, captions
        QTest::newRow("768 pixels") << 11520 << "23 11 9";
        QTest::newRow("1080 pixels") << 16200 << "32 16 12";
    }
    void windowIsAsDesigned() {
        QFETCH(int, screenHeight);
        QFETCH(QString, fontSizes);
        GameFixture game(screenHeight);
        Fom& f = game.start();
        const std::pair<QWidget*, QRectF> design[] = {
            {f.BakLbl, {0.1, 0.1, 9.8, 9.8}},  {f.Lbl, {0.1, 0.1, 9.8, 9.8}},
            {f.Hscl, {10.1, 1.1, 2.8, 0.5}},   {f.HsclTim, {10.1, 2.1, 2.8, 0.5}},
            {f.ImgFce, {13.7, 0.2, 2.8, 2.8}}, {f.Img, {10.1, 3.6, 5.8, 5.8}},
            {f.Qst[0], {10.1, 5.4, 6.5, 1.8}}, {f.QstBak[0], {10.1, 5.1, 6.8, 1.8}},
            {f.Qst[1], {10.1, 7.4, 6.5, 1.8}}, {f.QstBak[1], {10.1, 7.1, 6.8, 1.8}}};
        const double unitX = f.width() / 17.0;
        const double unitY = f.height() / 10.0;
        for (const auto& [control, units] : design) {
            const QRectF expected(units.x() * unitX, units.y() * unitY, units.width() * unitX,
                                  units.height() * unitY);
            const QRectF placed = control->geometry();
            QVERIFY(placed.adjusted(-1, -1, 1, 1).contains(expected) &&
                    expected.adjusted(-1, -1, 1, 1).contains(placed));
        }
        const int unit = screenHeight / 25; // in twips, 15 to a pixel
        const QSize outerTwips = f.outerSize() * 15;
        const QString folders = f.basePath + " " + f.dat1Path + " " + f.dat2Path;
        const std::pair<QVariant, QVariant> found[] = {
            {game.state(), "title img=opn"},
            {game.shown(), ""},
            {game.counters(), "0 0 0 0 0 | 0"},
            {f.windowTitle(), "ZOA"},
            {f.BakLbl->caption(), "ZOA Ver1.00"},
            {f.Qst[1]->caption(), "Label1"},
            {f.TimIve->interval(), 100},
            {f.Hscl->value(), 1},
            {f.Bgm_Check->isEnabled() ? f.Bgm_Check->interval() : 0, 1000},
            {f.sound.bgmLoop, true},
            {QString(folders).replace(game.content.folder(), "F"), "F/ F/dat1/ F/dat2/"},
            {qAbs(outerTwips.width() - 17 * unit) < 15, true},
            {qAbs(outerTwips.height() - 10 * unit) < 15, true},
            {f.minimumSize() == f.maximumSize(), true},
            {bool(f.windowFlags() & Qt::WindowMaximizeButtonHint), false},
            {f.palette().color(QPalette::Window), QColor(30, 0, 30)},
            {f.BakLbl->textColor(), QColor(70, 70, 70)},
            {f.Lbl->textColor(), QColor(0, 250, 90)},
            {QStringList(
                 {fontName(f.BakLbl), fontName(f.Lbl), fontName(f.Qst[0]), fontName(f.Qst[1])}),
             QStringList({"HGP創英角ﾎﾟｯﾌﾟ体", "ＭＳ ゴシック", "ＭＳ ゴシック", "ＭＳ ゴシック"})},
            {QString("%1 %2 %3")
                 .arg(f.BakLbl->font().pointSize())
                 .arg(f.Lbl->font().pointSize())
                 .arg(f.Qst[1]->font().pointSize()),
             fontSizes},
            {f.Qst[0]->font().pointSize(), f.Qst[1]->font().pointSize()},
            {f.Lbl->toolTip() + " " + f.Qst[0]->toolTip() + " " + f.Qst[1]->toolTip(),
             "クリックするとすっ飛ばし くりっくみぃ くりっくみぃ"},
            {f.QstBak[1]->backColor(), QColor(255, 255, 0)},
            {f.QstBak[1]->borderColor(), QColor(255, 0, 0)},
            {f.QstBak[1]->testAttribute(Qt::WA_TransparentForMouseEvents), true},
            {range(f.Hscl), "0..9 by 1, 5"},
            {range(f.HsclTim), "1..200 by 10, 50"},
            {stacking(f), "0 1 2 3 4 5 6 7 8 9"},
            {focusChain(f), "0 1 2 3 4 5 6"},
        };
        for (const auto& [actual, expected] : found) {
            QCOMPARE(actual, expected);
        }
    }

    // Each return to the title reads its picture afresh: a title picture changed meanwhile shows.
    void titlePictureIsReadAfreshAtEachReturn() {
        GameFixture game;
        game.start();
        const auto titleColour = [&game] {
            return game.fom().Img->grab().toImage().pixelColor(10, 10);
        };
        QCOMPARE(titleColour(), QColor(200, 40, 120));
        game.content.writePicture("opn", QColor(20, 160, 60));
        QCOMPARE(game.play("w:zoa:one pleft t5"),
                 "selector 0 | se2 | event zoa zoa | warning dat2/zoa.bmp | se | line one | se | "
                 "end zoa | title");
        QCOMPARE(titleColour(), QColor(20, 160, 60));
    }

    // Commands carry the folder's own characters, blanks and Japanese included.
    void startupAndShutdownSendTheirCommandsInOrder_data() {
        QTest::addColumn<QString>("subfolder");
        QTest::newRow("plain folder") << "";
        QTest::newRow("blanks and Japanese") << "my games/ゾア 物語";
    }
    void startupAndShutdownSendTheirCommandsInOrder() {
        QFETCH(QString, subfolder);
        GameFixture game(16200, subfolder);
        Fom& fom = game.start();
        QCOMPARE(
            game.commands().join(" | "),
            QString("close MIDI notify | open \"<F>/dat2/bgm.wav\" alias MIDI | play MIDI notify | "
                    "close WAVE notify | open \"<F>/dat2/se2.wav\" alias WAVE | play WAVE notify")
                .replace("<F>", game.content.folder()));
        QCOMPARE(game.shortTrace(), "se2 | load | title");
        game.clearCommands();
        fom.close();
        QVERIFY(!fom.isVisible());
        QCOMPARE(game.commands(), QStringList({"close MIDI notify"}));
        QCOMPARE(game.trace.lines.last(), "unload");
    }

    // In the root folder there is exactly one separator before the content folders.
    void rootFolderGetsOneSeparator() {
        GameFixture game;
        game.host = host::FixedHostFacts(QStringLiteral("/"), 16200);
        Fom& fom = game.start();
        QCOMPARE(fom.basePath + " " + fom.dat1Path + " " + fom.dat2Path, "/ /dat1/ /dat2/");
        QCOMPARE(game.commands().at(1), "open \"/dat2/bgm.wav\" alias MIDI");
    }

    void missingTitleAtStartupStopsWithAMessage() {
        GameFixture game;
        game.content.remove("dat2/opn.bmp");
        Fom& fom = game.start();
        QVERIFY(fom.startupFailed());
        QCOMPARE(game.messageBox.texts.size(), 1);
        QVERIFY(game.messageBox.texts.first().contains(game.content.dat2() + "opn.bmp"));
    }

    // Without its title picture the program ends with status 1: it says why once, warns about the
    // picture in its own words only, and starts no sound.
    void programWithoutTitleExitsWithStatusOne_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count"); // on standard error
        const auto row = [](const char* name, const char* text, int count) {
            QTest::newRow(name) << QString(text) << count;
        };
        row("the reason, once", "ZOA cannot start: the title picture <F>/dat2/opn.bmp", 1);
        row("the game's own warning",
            "zoa.content: cannot read the title picture <F>/dat2/opn.bmp\n", 1);
        row("no warning from Qt", "QIODevice", 0);
        row("the music answered as without a device", "media play MIDI notify -> 5", 1);
        row("no sound started", " -> 0\n", 0);
    }
    void programWithoutTitleExitsWithStatusOne() {
        QFETCH(QString, text);
        QFETCH(int, count);
        TestContent content;
        content.remove("dat2/opn.bmp");
        content.writeSound("bgm.wav");
        content.writeSound("se2.wav");
        QVERIFY(QFile::copy(ZOA_PROGRAM, content.path("zoa")));
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "zoa.trace.debug=true");
        process.setProcessEnvironment(environment);
        process.start(content.path("zoa"), {});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 1);
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(errors.count(text.replace("<F>", content.folder())), count);
    }

    // The layout numbers computed from the screen height.
    void numbersFollowTheScreenHeight_data() {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QString>("numbers"); // unit, outer twips, version, text and choice fonts
        QTest::newRow("768 pixels") << 11520 << "460 7820x4600 23 11 9";
        QTest::newRow("1080 pixels") << 16200 << "648 11016x6480 32 16 12";
        // q lies just below 3.6, so q * 2.5 lies just below 9.
        QTest::newRow("600 pixels") << 9000 << "360 6120x3600 18 8 7";
    }
    void numbersFollowTheScreenHeight() {
        QFETCH(int, screenHeight);
        QFETCH(QString, numbers);
        const window::Layout layout = window::computeLayout(screenHeight);
        QCOMPARE(QString("%1 %2x%3 %4 %5 %6")
                     .arg(layout.screenUnit)
                     .arg(layout.outerWidthTwips)
                     .arg(layout.outerHeightTwips)
                     .arg(layout.versionFontSize)
                     .arg(layout.textFontSize)
                     .arg(layout.choiceFontSize),
                 numbers);
    }

    // The version and choice fonts are u / 20 and u / 50 rounded down for every unit.
    void singlePrecisionFontSizesMatchWholeDivision() {
        for (int unit = 1; unit <= 4000; ++unit) {
            QCOMPARE(window::versionFontSize(static_cast<float>(unit)), unit / 20);
            QCOMPARE(window::choiceFontSize(static_cast<float>(unit)), unit / 50);
            const int text = window::textFontSize(static_cast<float>(unit));
            QVERIFY(text == unit / 40 || (unit % 40 == 0 && text == unit / 40 - 1));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
