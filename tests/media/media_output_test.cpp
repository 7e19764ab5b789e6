// What reaches the speaker, read back from SDL's disk audio driver, which writes the mixed
// output to a file (at about real-time pace): the music and an effect are mixed together, and
// the music watch makes the music sound again once it has played to its end.
#include "platform/host_facts.h"
#include "platform/random_source.h"
#include "platform/sdl_media_service.h"
#include "platform/timer.h"
#include "support/recording_message_box.h"
#include "support/test_content.h"
#include "tone.h"
#include "window/fom.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

#include <memory>

using platform::SdlMediaService;

namespace {

constexpr double musicHz = 500;                     // 10 cycles in a window
constexpr double effectHz = 1500;                   // 30 cycles in a window
constexpr qsizetype windowFrames = tone::rate / 50; // 20 ms
constexpr double heard = 0.2;                       // the test sounds are sines of amplitude 0.3
constexpr double absent = 0.02;

// The device must write what this test reads: 16-bit stereo at the test sounds' rate.
bool outputFormatIsExpected() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) == 1 && frequency == tone::rate &&
           format == AUDIO_S16SYS && channels == 2;
}

QList<double> readOutput(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? tone::leftChannel(file.readAll()) : QList<double>();
}

// The level of a tone in each 20 ms window of the output.
QList<double> levels(const QList<double>& samples, double frequency) {
    QList<double> result;
    for (qsizetype start = 0; start + windowFrames <= samples.size(); start += windowFrames) {
        result.append(tone::level(samples, start, windowFrames, frequency));
    }
    return result;
}

} // namespace

class MediaOutputTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // Points the disk driver at a fresh output file; the file is complete once the service that
    // opened the device is gone.
    QString useOutputFile(const char* name) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(path));
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("SDL_AUDIODRIVER", "disk");
    }

    void musicAndEffectAreMixed() {
        const QString output = useOutputFile("mixed.raw");
        TestContent content;
        content.writeFile(QStringLiteral("dat2/bgm.wav"), tone::sineWav(musicHz, 1000));
        content.writeFile(QStringLiteral("dat2/se.wav"), tone::sineWav(effectHz, 200));
        {
            SdlMediaService media;
            QCOMPARE(
                media.send("open \"" + content.dat2().toUtf8() + "bgm.wav\" alias MIDI", nullptr),
                0);
            QVERIFY(outputFormatIsExpected());
            QCOMPARE(media.send("play MIDI notify", nullptr), 0);
            QTest::qWait(100);
            QCOMPARE(
                media.send("open \"" + content.dat2().toUtf8() + "se.wav\" alias WAVE", nullptr),
                0);
            QCOMPARE(media.send("play WAVE notify", nullptr), 0);
            QVERIFY(tone::waitForStatus(media, "WAVE", "stopped"));
            QVERIFY(tone::waitForStatus(media, "MIDI", "stopped"));
        }
        const QList<double> samples = readOutput(output);
        const QList<double> music = levels(samples, musicHz);
        const QList<double> effect = levels(samples, effectHz);
        int together = 0;
        int musicAlone = 0;
        for (qsizetype i = 0; i < music.size(); ++i) {
            together += music[i] > heard && effect[i] > heard;
            musicAlone += music[i] > heard && effect[i] < absent;
        }
        QVERIFY2(together >= 5, qPrintable(QString::number(together)));
        QVERIFY2(musicAlone >= 5, qPrintable(QString::number(musicAlone)));
    }

    // The game starts its music; once the music has played to its end, one tick of the music
    // watch makes it sound again from its start.
    void musicWatchRestartsTheMusic() {
        const QString output = useOutputFile("restart.raw");
        TestContent content;
        content.writeFile(QStringLiteral("dat2/bgm.wav"), tone::sineWav(musicHz, 200));
        platform::FixedHostFacts host(content.folder(), 16200);
        platform::ScriptedRandom random;
        RecordingMessageBox messageBox;
        {
            SdlMediaService media;
            auto fom = std::make_unique<Fom>(GamePlatform{host, media, random, messageBox});
            fom->Bgm_Check->setEnabled(false); // the test ticks the watch itself
            fom->show();
            QVERIFY(outputFormatIsExpected());
            QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
            QVERIFY(tone::waitForStatus(media, "MIDI", "stopped"));
            QTest::qWait(150);
            QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
            fom->Bgm_Check_Timer();
            QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
            QVERIFY(tone::waitForStatus(media, "MIDI", "stopped"));
            fom.reset();
        }
        // The output holds the music, a silent gap of the waiting, then the whole music again.
        const QList<double> samples = readOutput(output);
        const QList<double> music = levels(samples, musicHz);
        qsizetype i = 0;
        while (i < music.size() && music[i] < heard) {
            ++i;
        }
        QVERIFY2(i < music.size(), "the music never sounded");
        while (i < music.size() && music[i] >= absent) {
            ++i;
        }
        const qsizetype gapStart = i;
        while (i < music.size() && music[i] < absent) {
            ++i;
        }
        QVERIFY2(i - gapStart >= 4, qPrintable(QString::number(i - gapStart)));
        // Inside the gap (its edge windows may hold a few samples of the music) all is silence.
        for (qsizetype s = (gapStart + 1) * windowFrames; s < (i - 1) * windowFrames; ++s) {
            QCOMPARE(samples[s], 0.0);
        }
        const qsizetype againStart = i;
        while (i < music.size() && music[i] >= absent) {
            ++i;
        }
        QVERIFY2(i - againStart >= 8, qPrintable(QString::number(i - againStart)));
    }
};

QTEST_MAIN(MediaOutputTest)
#include "media_output_test.moc"
