// The demo story as built (zoa-content check checks it clean in check_test):
// - every script typed out in full, as the game plays it: the pictures its picture lines name load
//   without a warning, no line runs off the text window, and each event ends in its choice, whose
//   captions fit their boxes (or, for the endings, back at the title);
// - the soak: 10,000 answered choices at the fastest pace through the real handlers with the real
//   random source. Every story must reach its ending without a content warning; no file handle
//   may stay open, and memory may not grow from the first to the last thousand answers;
// - its sounds: of the lengths the game expects, audible, and without a click where they stop.
#include "controls/fonts.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "host/host_facts.h"
#include "host/random_source.h"
#include "support/recording_media_service.h"
#include "support/recording_message_box.h"
#include "support/trace_recorder.h"
#include "window/fom.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

#include <SDL.h>

#include <cstring>
#include <memory>

namespace {

const QString folder = QStringLiteral(ZOA_DEMO_FOLDER);
constexpr int ticksPerEvent = 100000; // far beyond the longest script, typed a character a tick

// A whole game over the built content, with the real random source.
struct DemoGame {
    host::FixedHostFacts host{folder, 16200};
    media::RecordingMediaService media;
    host::ClockRandom random;
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

// A sound's 16-bit samples, read by SDL; empty when it is no 16-bit PCM WAV file.
QList<qint16> readSamples(const QString& path, SDL_AudioSpec* format) {
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(QFile::encodeName(path).constData(), format, &buffer, &length) == nullptr) {
        return {};
    }
    QList<qint16> samples(format->format == AUDIO_S16LSB ? length / 2 : 0);
    std::memcpy(samples.data(), buffer, samples.size() * 2);
    SDL_FreeWAV(buffer);
    return samples;
}

constexpr int answers = 10000;

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    static const QRegularExpression resident(QStringLiteral("VmRSS:\\s*(\\d+)"));
    return status.open(QIODevice::ReadOnly) ? resident.match(status.readAll()).captured(1).toLong()
                                            : 0;
}

qsizetype openFileHandles() {
    return QDir(QStringLiteral("/proc/self/fd"))
        .entryList(QDir::NoDotAndDotDot | QDir::System)
        .size();
}

// Types the running event until its choice opens or the title returns; a few events are skipped.
void playEvent(Fom& fom, host::RandomSource& random) {
    if (random.next() < 0.1f) {
        fom.Lbl_Click();
    }
    for (int ticks = 0; fom.TimIve->isEnabled() && ticks < 100000; ++ticks) {
        fom.TimIve_Timer();
    }
}

} // namespace

class DemoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        controls::installFontSubstitutes(); // the fonts the game's window uses
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
        fom.IveStt(event, QString()); // the events' own pictures: check_test's clean demo
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
        for (const controls::Label* caption : fom.Qst) {
            QCOMPARE(caption->isVisible(), !ending);
            const int width = QFontMetrics(caption->font()).horizontalAdvance(caption->caption());
            QVERIFY2(width <= caption->width(), qPrintable(caption->caption()));
        }
        QCOMPARE(fom.Img->isEnabled(), ending);
        QVERIFY(trace.lines.count(QStringLiteral("end ") + event) == (ending ? 1 : 0));
    }

    void tenThousandAnswersLeaveNoTrace() {
        TraceRecorder warnings;
        QLoggingCategory::setFilterRules(QStringLiteral("zoa.trace.debug=false"));
        DemoGame game;
        Fom& fom = *game.fom;
        host::RandomSource& random = game.random;
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
                fom.Qst_Click(host::uniformIndex(random.next(), 2));
                ++answered;
                game.media.clear();
                if (answered == 1000) {
                    residentAfterFirstThousand = residentKilobytes();
                    handlesAfterFirstThousand = openFileHandles();
                }
            }
        }
        const long growth = residentKilobytes() - residentAfterFirstThousand;
        qInfo("%d stories, resident memory growth after the first thousand answers: %ld kB",
              stories, growth);
        QVERIFY2(growth < ZOA_SOAK_GROWTH_KB, qPrintable(QString::number(growth)));
        QCOMPARE(openFileHandles(), handlesAfterFirstThousand); // both right after an answer
        QCOMPARE(warnings.warnings, QStringList());
        // Every answer scene turns up, and each character is met.
        for (const char* event : {"a_0", "a_1", "a_2", "a_3", "a_4", "b_0", "b_1", "b_2", "b_3",
                                  "b_4", "char01", "char11", "char20", "char30", "char40"}) {
            QVERIFY2(reached.contains(event), event);
        }
    }

    void soundsAreSixteenBitPcm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest"); // seconds
        QTest::addColumn<double>("longest");
        QTest::addColumn<bool>("loops");
        QTest::newRow("music") << QStringLiteral("bgm.wav") << 30.0 << 60.0 << true;
        QTest::newRow("typing click") << QStringLiteral("se.wav") << 0.005 << 0.06 << false;
        QTest::newRow("choice chime") << QStringLiteral("se2.wav") << 0.05 << 0.3 << false;
    }

    void soundsAreSixteenBitPcm() {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        QFETCH(bool, loops);
        SDL_AudioSpec format{};
        const QList<qint16> samples =
            readSamples(folder + QStringLiteral("/dat2/") + name, &format);
        QVERIFY(!samples.isEmpty());
        QVERIFY(format.channels == 1 || format.channels == 2);
        QVERIFY(format.freq == 22050 || format.freq == 44100);
        const double seconds = static_cast<double>(samples.size()) / format.channels / format.freq;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (const qint16 sample : samples) {
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        QVERIFY2(peak > 3000 && peak < 32767, "audible without clipping");
        // No click where a sound stops, or where the music starts over.
        const int jump =
            loops ? std::abs(samples.last() - samples.first()) : std::abs(samples.last());
        QVERIFY2(jump < (loops ? 1500 : 300), qPrintable(QString::number(jump)));
    }
};

QTEST_MAIN(DemoTest)
#include "demo_test.moc"
