// The demo content's own style, beyond what zoa-content check finds (its test checks the demo
// clean): short scripts, one choice at the end with captions that fit their boxes, and sounds of
// the lengths the game expects.
#include "platform/cp932.h"
#include "player/script_line.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <SDL.h>

#include <cstring>

namespace {

const QString folder = QStringLiteral(ZOA_DEMO_FOLDER);
QString dat1() {
    return folder + QStringLiteral("/dat1/");
}
QString dat2() {
    return folder + QStringLiteral("/dat2/");
}

// Events that end without a choice and return to the title.
bool endsWithoutChoice(const QString& event) {
    return event == QLatin1String("end") || event == QLatin1String("name_end");
}

// A choice caption must fit its yellow box on one line.
constexpr int longestCaption = 14;

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

} // namespace

class DemoContentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(QFileInfo::exists(dat1()), qPrintable(dat1()));
        QVERIFY2(QFileInfo::exists(dat2() + QStringLiteral("opn.bmp")), qPrintable(dat2()));
    }

    void scriptsHaveTheShapeThePlayerNeeds_data() {
        QTest::addColumn<QString>("event");
        const QStringList files =
            QDir(dat1()).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            const QString event = file.chopped(4);
            QTest::newRow(qPrintable(event)) << event;
        }
    }

    void scriptsHaveTheShapeThePlayerNeeds() {
        QFETCH(QString, event);
        QFile file(dat1() + event + QStringLiteral(".txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList lines = platform::decodeCp932(file.readAll()).split(QStringLiteral("\r\n"));
        lines.removeLast();
        QVERIFY2(lines.size() >= 4 && lines.size() <= 16,
                 qPrintable(QString::number(lines.size())));

        const qsizetype marker = lines.indexOf(QStringLiteral(">"));
        qsizetype markers = 0;
        for (const QString& line : lines) {
            markers += player::isChoiceMarker(line) ? 1 : 0;
        }
        if (endsWithoutChoice(event)) {
            QCOMPARE(markers, 0);
            return;
        }
        QCOMPARE(markers, 1);
        QCOMPARE(marker, lines.size() - 3);
        for (const QString& caption : lines.mid(marker + 1)) {
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(event));
            QVERIFY2(caption.size() <= longestCaption, qPrintable(caption));
            QVERIFY2(!player::isPictureLine(caption), qPrintable(caption));
        }
        QVERIFY2(lines.at(marker + 1) != lines.at(marker + 2), "two different answers");
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
        const QList<qint16> samples = readSamples(dat2() + name, &format);
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

QTEST_GUILESS_MAIN(DemoContentTest)
#include "demo_content_test.moc"
