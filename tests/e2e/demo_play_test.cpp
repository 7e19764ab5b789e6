// Plays the demo story from the title many times, as a player who skips the text and answers at
// random, with the game's own random source: every story must reach the ending and come back to
// the title without a single content warning. Each script is also typed out once in full, so
// that the pictures its picture lines name are loaded too and no line runs off the text window.
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

#include <map>
#include <memory>
#include <random>

namespace {

const QString folder = QStringLiteral(ZOA_DEMO_FOLDER);
constexpr int stories = 2000;
constexpr int stepsPerStory = 2000;   // a story takes about twenty answers
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

// The event names the trace shows starting, in order.
QStringList startedEvents(const TraceRecorder& trace) {
    QStringList events;
    for (const QString& line : trace.linesStartingWith({QStringLiteral("event")})) {
        events.append(line.section(QLatin1Char(' '), 1, 1));
    }
    return events;
}

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

    void storiesFromTheTitleReachTheEnding() {
        TraceRecorder trace;
        DemoGame game;
        Fom& fom = *game.fom;
        QVERIFY2(trace.warnings.isEmpty(), qPrintable(trace.warnings.join(u'\n')));
        QVERIFY(fom.Img->isEnabled());

        const unsigned seed = std::random_device{}();
        std::mt19937 player(seed);
        std::bernoulli_distribution second(0.5);
        std::map<QString, int> reached;
        for (int story = 0; story < stories; ++story) {
            trace.clear();
            game.media.clear();
            fom.Img_MouseDown(Qt::LeftButton);
            bool backAtTitle = false;
            for (int step = 0; step < stepsPerStory && !backAtTitle; ++step) {
                fom.Lbl_Click();
                if (fom.Qst[0]->isVisible()) {
                    fom.Qst_Click(second(player) ? 1 : 0);
                } else {
                    backAtTitle = fom.Img->isEnabled();
                }
            }
            const QStringList events = startedEvents(trace);
            const QString context = QStringLiteral("story %1 (answer seed %2): %3")
                                        .arg(story)
                                        .arg(seed)
                                        .arg(events.join(u' '));
            QVERIFY2(trace.warnings.isEmpty(),
                     qPrintable(context + u'\n' + trace.warnings.join(u'\n')));
            QVERIFY2(backAtTitle, qPrintable(context));
            QVERIFY2(!events.isEmpty() && events.first() == QLatin1String("zoa"),
                     qPrintable(context));
            QVERIFY2(events.last() == QLatin1String("name_end"), qPrintable(context));
            QVERIFY2(trace.lines.contains(QStringLiteral("end name_end")), qPrintable(context));
            QCOMPARE(fom.Img->fileName(), folder + QStringLiteral("/dat2/opn.bmp"));
            for (const QString& event : events) {
                ++reached[event];
            }
        }

        // Every answer scene turns up in so many stories, and each character is met.
        QStringList missing;
        for (const QString& event :
             {QStringLiteral("a_0"), QStringLiteral("a_1"), QStringLiteral("a_2"),
              QStringLiteral("a_3"), QStringLiteral("a_4"), QStringLiteral("b_0"),
              QStringLiteral("b_1"), QStringLiteral("b_2"), QStringLiteral("b_3"),
              QStringLiteral("b_4"), QStringLiteral("char11"), QStringLiteral("char01"),
              QStringLiteral("char20"), QStringLiteral("char30"), QStringLiteral("char31"),
              QStringLiteral("char40")}) {
            if (reached.count(event) == 0) {
                missing.append(event);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
        qInfo("%d stories, %d different events reached", stories, static_cast<int>(reached.size()));
    }

    void epilogueOverTheTitle() {
        TraceRecorder trace;
        DemoGame game;
        Fom& fom = *game.fom;
        fom.Img_MouseDown(Qt::RightButton);
        QCOMPARE(fom.eventName, QStringLiteral("end"));
        fom.Lbl_Click();
        QVERIFY(!fom.Qst[0]->isVisible());
        QVERIFY(fom.Img->isEnabled());
        QVERIFY(trace.lines.contains(QStringLiteral("end end")));
        QVERIFY2(trace.warnings.isEmpty(), qPrintable(trace.warnings.join(u'\n')));
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
