// Types every script of the demo story out in full, as the game plays it: the pictures its picture
// lines name load without a warning, no line runs off the text window, and each event ends in its
// choice (or, for the endings, back at the title). Whole stories are played by the soak test.
#include "platform/fonts.h"
#include "platform/host_facts.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/random_source.h"
#include "platform/recording_media_service.h"
#include "platform/timer.h"
#include "support/recording_message_box.h"
#include "support/trace_recorder.h"
#include "window/fom.h"

#include <QDir>
#include <QFontMetrics>
#include <QTest>

#include <memory>

namespace {

const QString folder = QStringLiteral(ZOA_DEMO_FOLDER);
constexpr int ticksPerEvent = 100000; // far beyond the longest script, typed a character a tick

// A whole game over the built content, with the real random source.
struct DemoGame {
    platform::FixedHostFacts host{folder, 16200};
    platform::RecordingMediaService media;
    platform::ClockRandom random;
    RecordingMessageBox messageBox;
    std::unique_ptr<Fom> fom;

    DemoGame() {
        fom = std::make_unique<Fom>(GamePlatform{host, media, random, messageBox});
        fom->show();
    }
};

// Whether the text window's whole text fits its height, wrapped as the label wraps it.
bool textWindowFits(const Fom& fom) {
    QString shown = fom.windowText;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    const QRect area(0, 0, fom.Lbl->width(), 1 << 20);
    const QRect used =
        QFontMetrics(fom.Lbl->font())
            .boundingRect(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    return used.height() <= fom.Lbl->height();
}

// The main picture the game shows for an event, as the story rules choose it.
QString eventPicture(const QString& event) {
    if (event == QLatin1String("end")) {
        return QString();
    }
    return event.startsWith(QLatin1String("char")) ? event.left(5) : event;
}

} // namespace

class DemoPlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        platform::installFontSubstitutes(); // the fonts the game's window uses
        QVERIFY2(QFileInfo::exists(folder + QStringLiteral("/dat2/opn.bmp")), qPrintable(folder));
    }

    void everyScriptTypesOutToItsChoiceOrEnd_data() {
        QTest::addColumn<QString>("event");
        const QStringList files =
            QDir(folder + QStringLiteral("/dat1"))
                .entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            QTest::newRow(qPrintable(file)) << file.chopped(4);
        }
    }

    void everyScriptTypesOutToItsChoiceOrEnd() {
        QFETCH(QString, event);
        TraceRecorder trace;
        DemoGame game;
        Fom& fom = *game.fom;
        if (event != QLatin1String("end")) {
            fom.Img->setEnabled(false); // as after a press on the title
        }
        fom.IveStt(event, eventPicture(event));
        int ticks = 0;
        QStringList cutOff; // lines typed while the window's text ran past its bottom
        while (fom.TimIve->isEnabled() && ticks < ticksPerEvent) {
            fom.TimIve_Timer();
            ++ticks;
            const bool lineTyped = fom.linePos == fom.scriptLine.size();
            if (lineTyped && !textWindowFits(fom) && !cutOff.contains(fom.scriptLine)) {
                cutOff.append(fom.scriptLine);
            }
        }
        QVERIFY2(!fom.TimIve->isEnabled(), "typing ends");
        QVERIFY2(trace.warnings.isEmpty(), qPrintable(trace.warnings.join(u'\n')));
        QVERIFY2(cutOff.isEmpty(),
                 qPrintable(QStringLiteral("text window overflows at: ") + cutOff.join(u'\n')));
        const bool ending = event == QLatin1String("end") || event == QLatin1String("name_end");
        QCOMPARE(fom.Qst[0]->isVisible(), !ending);
        QCOMPARE(fom.Qst[1]->isVisible(), !ending);
        QCOMPARE(fom.Img->isEnabled(), ending);
        QVERIFY(trace.lines.count(QStringLiteral("end ") + event) == (ending ? 1 : 0));
    }
};

QTEST_MAIN(DemoPlayTest)
#include "demo_play_test.moc"
