// Start-up, title and shutdown, read from the real controls of a game over test-made content.
#include "platform/box.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/scroll_bar.h"
#include "platform/timer.h"
#include "support/game_fixture.h"
#include "support/trace_recorder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList startupCommands(const QString& folder) {
    return {
        "close MIDI notify", "open \"" + folder + "/dat2/bgm.wav\" alias MIDI", "play MIDI notify",
        "close WAVE notify", "open \"" + folder + "/dat2/se2.wav\" alias WAVE", "play WAVE notify"};
}

QColor pixelAtCentre(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startupLeavesTheTitleWaiting() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.HsclTim->value(), 100);
        QCOMPARE(fom.Hscl->value(), 1);
        QCOMPARE(fom.TimIve->interval(), 100);
        QVERIFY(!fom.TimIve->isEnabled());
        QVERIFY(fom.Bgm_Check->isEnabled());
        QCOMPARE(fom.Bgm_Check->interval(), 1000);
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "opn.bmp");
        QVERIFY(fom.Img->isEnabled());
        for (QWidget* hidden :
             {static_cast<QWidget*>(fom.ImgFce), static_cast<QWidget*>(fom.Qst[0]),
              static_cast<QWidget*>(fom.Qst[1]), static_cast<QWidget*>(fom.QstBak[0]),
              static_cast<QWidget*>(fom.QstBak[1])}) {
            QVERIFY(!hidden->isVisible());
        }
        QVERIFY(fom.Lbl->isVisible() && fom.Img->isVisible() && fom.BakLbl->isVisible());
        QCOMPARE(fom.Lbl->caption(), QString());
        QCOMPARE(fom.BakLbl->caption(), "ZOA Ver1.00");
        QCOMPARE(fom.Qst[1]->caption(), "Label1");
        QCOMPARE(fom.windowTitle(), "ZOA");
        QVERIFY(fom.sound.bgmLoop);
    }

    void gameStateStartsEmpty() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.affinity, (std::array<quint8, 5>{}));
        QCOMPARE(fom.answerCount, 0);
        QVERIFY(fom.choiceKeys[0].isEmpty() && fom.choiceKeys[1].isEmpty());
        QCOMPARE(fom.basePath, game.content.folder() + "/");
        QCOMPARE(fom.dat1Path, game.content.folder() + "/dat1/");
        QCOMPARE(fom.dat2Path, game.content.folder() + "/dat2/");
        QCOMPARE(fom.screenUnit, 648.0f);
    }

    void controlsCarryTheirColoursFontsAndTips() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.palette().color(QPalette::Window), QColor(30, 0, 30));
        QCOMPARE(fom.BakLbl->textColor(), QColor(70, 70, 70));
        QCOMPARE(fom.Lbl->textColor(), QColor(0, 250, 90));
        QCOMPARE(fom.BakLbl->font().family(), "HGP創英角ﾎﾟｯﾌﾟ体");
        QCOMPARE(fom.BakLbl->font().pointSize(), 32);
        QCOMPARE(fom.Lbl->font().family(), "ＭＳ ゴシック");
        QCOMPARE(fom.Lbl->font().pointSize(), 16);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(fom.Qst[i]->font().family(), "ＭＳ ゴシック");
            QCOMPARE(fom.Qst[i]->font().pointSize(), 12);
            QCOMPARE(fom.Qst[i]->toolTip(), "くりっくみぃ");
            QCOMPARE(fom.QstBak[i]->backColor(), QColor(255, 255, 0));
            QCOMPARE(fom.QstBak[i]->borderColor(), QColor(255, 0, 0));
            QVERIFY(fom.QstBak[i]->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        QCOMPARE(fom.Lbl->toolTip(), "クリックするとすっ飛ばし");
        QCOMPARE(fom.BakLbl->font().bold() || fom.Lbl->font().italic(), false);
    }

    void scrollBarsHaveTheirRangesAndSteps() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.Hscl->minimum(), 0);
        QCOMPARE(fom.Hscl->maximum(), 9);
        QCOMPARE(fom.Hscl->singleStep(), 1);
        QCOMPARE(fom.Hscl->pageStep(), 5);
        QCOMPARE(fom.HsclTim->minimum(), 1);
        QCOMPARE(fom.HsclTim->maximum(), 200);
        QCOMPARE(fom.HsclTim->singleStep(), 10);
        QCOMPARE(fom.HsclTim->pageStep(), 50);
        QCOMPARE(fom.Hscl->orientation(), Qt::Horizontal);
    }

    // Back to front: BakLbl, ImgFce, Img, Lbl, QstBak(0), Qst(0), QstBak(1), Qst(1), scroll bars.
    void controlsAreStackedInOrder() {
        GameFixture game;
        Fom& fom = game.start();
        QList<QWidget*> stacking;
        for (QObject* child : fom.children()) {
            if (auto* widget = qobject_cast<QWidget*>(child)) {
                stacking.append(widget);
            }
        }
        const QList<QWidget*> expected = {fom.BakLbl,    fom.ImgFce, fom.Img,       fom.Lbl,
                                          fom.QstBak[0], fom.Qst[0], fom.QstBak[1], fom.Qst[1],
                                          fom.Hscl,      fom.HsclTim};
        QCOMPARE(stacking, expected);
    }

    void onlyTheScrollBarsTakeTheFocus() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.focusWidget(), static_cast<QWidget*>(fom.Hscl));
        QCOMPARE(fom.Hscl->nextInFocusChain(), static_cast<QWidget*>(fom.HsclTim));
        for (QObject* child : fom.children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && widget != fom.Hscl && widget != fom.HsclTim) {
                QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
            }
        }
    }

    // Every control sits on its rectangle of the 17 by 10 grid over the inner area.
    void controlsArePlacedOnTheGrid() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(fom.outerSize(), QSize(734, 432)); // 11016 by 6480 at 15 per pixel
        QVERIFY(fom.minimumSize() == fom.maximumSize());
        QVERIFY(!(fom.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(fom.windowFlags() & Qt::CustomizeWindowHint);
        const window::Layout layout = window::computeLayout(16200);
        const double unitX = fom.width() / 17.0;
        const double unitY = fom.height() / 10.0;
        const std::pair<QWidget*, window::UnitRect> placed[] = {
            {fom.Lbl, layout.textWindow},         {fom.Img, layout.mainPicture},
            {fom.ImgFce, layout.facePicture},     {fom.Hscl, layout.selector},
            {fom.HsclTim, layout.speedSlider},    {fom.Qst[1], layout.choiceCaption[1]},
            {fom.QstBak[1], layout.choiceBox[1]}, {fom.BakLbl, layout.versionLabel}};
        for (const auto& [control, rect] : placed) {
            const QRect geometry = control->geometry();
            QVERIFY(std::abs(geometry.left() - rect.left * unitX) <= 1);
            QVERIFY(std::abs(geometry.top() - rect.top * unitY) <= 1);
            QVERIFY(std::abs(geometry.width() - rect.width * unitX) <= 1);
            QVERIFY(std::abs(geometry.height() - rect.height * unitY) <= 1);
        }
    }

    void smallScreenGivesSmallFonts() {
        GameFixture game(9000);
        Fom& fom = game.start();
        QCOMPARE(fom.BakLbl->font().pointSize(), 18);
        QCOMPARE(fom.Lbl->font().pointSize(), 8);
        QCOMPARE(fom.Qst[0]->font().pointSize(), 7);
    }

    void startupAndShutdownSendTheirCommandsInOrder() {
        GameFixture game;
        TraceRecorder trace;
        Fom& fom = game.start();
        QCOMPARE(game.commands(), startupCommands(game.content.folder()));
        QCOMPARE(trace.linesStartingWith({"load", "title", "unload"}),
                 QStringList({"load", "title"}));
        game.clearCommands();
        fom.close();
        QCOMPARE(game.commands(), QStringList({"close MIDI notify"}));
        QCOMPARE(trace.lines.last(), "unload");
    }

    // Commands carry the folder's own characters, blanks and Japanese included.
    void soundPathsKeepBlanksAndJapanese() {
        GameFixture game(16200, "my games/ゾア 物語");
        game.start();
        QCOMPARE(game.commands(), startupCommands(game.content.folder()));
        QVERIFY(game.media.commands().at(1).contains("ゾア 物語"));
    }

    // In the root folder there is exactly one separator before the content folders.
    void rootFolderGetsOneSeparator() {
        platform::FixedHostFacts root(QStringLiteral("/"), 16200);
        platform::RecordingMediaService media;
        platform::ScriptedRandom random;
        RecordingMessageBox box;
        Fom fom(GamePlatform{root, media, random, box});
        QCOMPARE(fom.basePath, "/");
        QCOMPARE(fom.dat1Path, "/dat1/");
        QCOMPARE(fom.dat2Path, "/dat2/");
        QCOMPARE(QString::fromUtf8(media.commands().at(1)), "open \"/dat2/bgm.wav\" alias MIDI");
    }

    void missingTitleAtStartupStopsWithAMessage() {
        GameFixture game;
        game.content.remove("dat2/opn.bmp");
        TraceRecorder trace;
        Fom& fom = game.start();
        QVERIFY(fom.startupFailed());
        QCOMPARE(game.messageBox.texts.size(), 1);
        QVERIFY(game.messageBox.texts.first().contains(game.content.dat2() + "opn.bmp"));
    }

    void programWithoutTitleExitsWithStatusOne() {
        QTemporaryDir dir;
        const QString program = dir.filePath("zoa");
        QVERIFY(QFile::copy(ZOA_PROGRAM, program));
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess process;
        process.start(program, {});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(QString::fromUtf8(process.readAllStandardError())
                    .contains(dir.filePath("dat2/opn.bmp")));
    }

    // A later return to the title reads the picture afresh; without it Img keeps what it showed.
    void laterReturnToTitleRereadsThePicture() {
        GameFixture game;
        Fom& fom = game.start();
        QCOMPARE(pixelAtCentre(fom.Img), QColor(200, 40, 120));
        game.content.writePicture("opn", QColor(10, 200, 30));
        QVERIFY(fom.Form_Activate());
        QCOMPARE(pixelAtCentre(fom.Img), QColor(10, 200, 30));

        game.content.remove("dat2/opn.bmp");
        fom.Img->setEnabled(false);
        TraceRecorder trace;
        QVERIFY(!fom.Form_Activate());
        QVERIFY(fom.Img->isEnabled());
        QCOMPARE(pixelAtCentre(fom.Img), QColor(10, 200, 30));
        QCOMPARE(trace.warnings.size(), 1);
        QVERIFY(trace.warnings.first().contains(game.content.dat2() + "opn.bmp"));
        QVERIFY(!fom.startupFailed());
    }

    // The title keeps the text window, the counters and the choices as they were.
    void titleChangesNothingElse() {
        GameFixture game;
        Fom& fom = game.start();
        fom.Lbl->setCaption("last words");
        fom.affinity = {1, 2, 3, 4, 5};
        fom.answerCount = 3;
        fom.ImgFce->show();
        fom.TimIve->setEnabled(true);
        fom.Form_Activate();
        QCOMPARE(fom.Lbl->caption(), "last words");
        QCOMPARE(fom.affinity, (std::array<quint8, 5>{1, 2, 3, 4, 5}));
        QCOMPARE(fom.answerCount, 3);
        QVERIFY(!fom.ImgFce->isVisible());
        QVERIFY(!fom.TimIve->isEnabled());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
