// What reaches the speaker, read back from SDL's disk audio driver, which writes the mixed
// output to a file (at about real-time pace): the music and an effect are mixed together.
#include "media/sdl_media_service.h"
#include "support/test_content.h"
#include "tone.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <SDL_mixer.h>

using media::SdlMediaService;

namespace {

constexpr double musicHz = 500;                     // 10 cycles in a window
constexpr double effectHz = 1500;                   // 30 cycles in a window
constexpr qsizetype windowFrames = tone::rate / 50; // 20 ms
constexpr double heard = 0.2;                       // the test sounds are sines of amplitude 0.3
constexpr double absent = 0.02;

// The device must write what this test reads: 16-bit mono at the test sounds' rate, theirs.
bool outputFormatIsExpected() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&frequency, &format, &channels) == 1 && frequency == tone::rate &&
           format == AUDIO_S16SYS && channels == 1;
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
        QFile file(output);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<double> samples = tone::firstChannel(file.readAll(), 1);
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
};

QTEST_MAIN(MediaOutputTest)
#include "media_output_test.moc"
