// A long run over the demo story at the fastest pace: 10,000 answered choices through the real
// handlers with the real random source, typing every line tick by tick. Every story must reach
// its ending without a content warning; nothing may leak, no file handle may stay open, and
// memory may not grow from the first to the last thousand answers.
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
#include <QFile>
#include <QLoggingCategory>
#include <QTest>

namespace {

constexpr int answers = 10000;

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return 0;
}

qsizetype openFileHandles() {
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::NoDotAndDotDot | QDir::System)
        .size();
}

// Types the running event until its choice opens or the title returns; a few events are skipped.
void playEvent(Fom& fom, platform::RandomSource& random) {
    if (random.next() < 0.1f) {
        fom.Lbl_Click();
    }
    for (int ticks = 0; fom.TimIve->isEnabled() && ticks < 100000; ++ticks) {
        fom.TimIve_Timer();
    }
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tenThousandAnswersLeaveNoTrace() {
        platform::FixedHostFacts host(QStringLiteral(ZOA_DEMO_FOLDER), 16200);
        platform::RecordingMediaService media;
        platform::ClockRandom random;
        RecordingMessageBox messageBox;
        TraceRecorder warnings;
        QLoggingCategory::setFilterRules(QStringLiteral("zoa.trace.debug=false"));
        Fom fom(GamePlatform{host, media, random, messageBox});
        fom.show();
        // Fonts and caches are opened and filled during the first answers: the measures start
        // after the first thousand.
        qsizetype handlesAfterFirstThousand = 0;
        long residentAfterFirstThousand = 0;
        int stories = 0;
        QSet<QString> reached;
        for (int answered = 0; answered < answers;) {
            if (fom.Img->isEnabled()) {
                // Every story comes back to the title through its ending.
                QVERIFY2(stories == 0 || fom.eventName == "name_end", qPrintable(fom.eventName));
                fom.Img_MouseDown(1);
                ++stories;
            }
            reached.insert(fom.eventName);
            playEvent(fom, random);
            QCoreApplication::processEvents(); // as the event loop would between ticks and clicks
            if (fom.Qst[0]->isVisible()) {
                fom.Qst_Click(platform::uniformIndex(random.next(), 2));
                ++answered;
                media.clear();
                if (answered == 1000) {
                    residentAfterFirstThousand = residentKilobytes();
                    handlesAfterFirstThousand = openFileHandles();
                }
            }
        }
        const long growth = residentKilobytes() - residentAfterFirstThousand;
        qInfo("%d stories, resident memory growth after the first thousand answers: %ld kB",
              stories, growth);
        QVERIFY2(growth < 5 * 1024, qPrintable(QString::number(growth)));
        QCOMPARE(openFileHandles(), handlesAfterFirstThousand); // both right after an answer
        QCOMPARE(warnings.warnings, QStringList());
        // Every answer scene turns up, and each character is met.
        for (const char* event : {"a_0", "a_1", "a_2", "a_3", "a_4", "b_0", "b_1", "b_2", "b_3",
                                  "b_4", "char01", "char11", "char20", "char30", "char40"}) {
            QVERIFY2(reached.contains(event), event);
        }
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
