// The SDL2_mixer media service under SDL's dummy audio driver: sounds start, end, rewind, sound
// together and fail cleanly, as the game's sound module and music watch rely on.
#include "host/host_facts.h"
#include "host/log.h"
#include "media/media_service.h"
#include "media/sdl_media_service.h"
#include "sound/sound_module.h"
#include "support/trace_recorder.h"
#include "tone.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using media::SdlMediaService;

namespace {

constexpr int ok = media::MediaOk;

QByteArray openCommand(const QString& path, const char* alias) {
    return "open \"" + path.toUtf8() + "\" alias " + alias;
}

} // namespace

class SdlMediaServiceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The path of a named test file: short and long sounds, and files that are no sound. Each is
    // written once, as a row may open a file again while the music still streams from it.
    QString testFile(const QString& name) {
        if (name == "none" || name == "folder") {
            return name == "none" ? dir_.filePath("none.wav") : dir_.path();
        }
        if (name == "pipe") {
            const QString pipe = dir_.filePath("pipe.wav");
            ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
            return pipe;
        }
        const QByteArray wav = tone::sineWav(500, 60);
        const QHash<QString, QByteArray> files = {{"short", wav},
                                                  {"long", tone::sineWav(700, 3000)},
                                                  {"text", "not a sound\n"},
                                                  {"empty", {}},
                                                  {"cut", wav.left(30)},
                                                  {"japanese", wav},
                                                  {"bgm", wav}};
        const QString path = dir_.filePath(name == "japanese" ? "音 楽/  曲 一.wav"
                                           : name == "bgm"    ? "game/dat2/bgm.wav"
                                                              : name + ".wav");
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.exists() && (!file.open(QIODevice::WriteOnly) ||
                               file.write(files.value(name)) != files.value(name).size())) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

    // Steps on the output device, noted "-": "drop" (the device goes, another is there at once),
    // "lose" (it goes and none can be had), "without" (none can be had), "regain" and "with" (one
    // can be had again, and the service has had time to find it), "later" (two and a half seconds
    // pass: a WAV music plays on from the whole second before where it was, as SDL_mixer seeks).
    static bool deviceStep(const QString& word) {
        if (word == "drop" || word == "lose") {
            tone::removeOutputDevice();
        }
        if (word == "lose" || word == "without") {
            qputenv("SDL_AUDIODRIVER", "no-such-driver");
        }
        if (word == "regain" || word == "with") {
            qputenv("SDL_AUDIODRIVER", "dummy");
            QTest::qWait(SdlMediaService::retryMilliseconds + 200);
        }
        if (word == "later") {
            QTest::qWait(2500);
        }
        return QStringList{"drop", "lose", "without", "regain", "with", "later"}.contains(word);
    }

    // Sends each command and notes its answer: the code, or for a status query the reply
    // ("untouched" when a failed query left it alone). "open FILE ALIAS" opens a test file;
    // "wait ALIAS" waits until the sound has stopped and notes its state; device steps between.
    QString run(SdlMediaService& media, const QString& commands) {
        QStringList answers;
        for (const QString& command : commands.split(" | ")) {
            const QStringList words = command.split(' ');
            QByteArray reply = "untouched";
            if (deviceStep(words.first())) {
                answers << "-";
            } else if (words.first() == "wait") {
                answers << (tone::waitForStatus(media, qPrintable(words.at(1)), "stopped")
                                ? "stopped"
                                : "playing");
            } else if (words.first() == "open") {
                answers << QString::number(media.send(
                    openCommand(testFile(words.at(1)), qPrintable(words.at(2))), nullptr));
            } else {
                const int code = media.send(command.toUtf8(), &reply);
                const bool query = words.first().compare("status", Qt::CaseInsensitive) == 0;
                answers << (query && code == ok
                                ? QString(reply)
                                : QString::number(code) + (query ? " " + reply : ""));
            }
        }
        return answers.join(" | ");
    }

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(qgetenv("SDL_AUDIODRIVER"), QByteArray("dummy"));
        QVERIFY(dir_.isValid());
    }

    void soundsFollowTheirCommands_data() {
        QTest::addColumn<QString>("commands");
        QTest::addColumn<QString>("answers");
        const QString unknown = QString::number(media::MediaUnknownAlias);
        const QString unreadable = QString::number(media::MediaUnreadableFile);
        const QString thenMusic = " | play MIDI | status MIDI mode";
        QTest::newRow("a sound plays to its end and stays there until rewound")
            << "open short MIDI | status MIDI mode | play MIDI notify | status MIDI mode | wait "
               "MIDI"
               " | play MIDI | status MIDI mode | seek MIDI to start | play MIDI | status MIDI mode"
               " | wait MIDI | play MIDI from 0 | status MIDI mode"
            << "0 | stopped | 0 | playing | stopped | 0 | stopped | 0 | 0 | playing | stopped | 0 "
               "| playing";
        QTest::newRow("seek stops a playing sound")
            << "open long MIDI | play MIDI | seek MIDI to start | status MIDI mode"
            << "0 | 0 | 0 | stopped";
        QTest::newRow("music and effect sound together")
            << "open long MIDI | play MIDI notify | open short WAVE | play WAVE notify | status "
               "MIDI mode | status WAVE mode | wait WAVE | status MIDI mode | close WAVE notify | "
               "status MIDI mode"
            << "0 | 0 | 0 | 0 | playing | playing | stopped | playing | 0 | playing";
        QTest::newRow("closing an effect cuts it off")
            << "open long WAVE | play WAVE notify | close WAVE notify | status WAVE mode"
            << "0 | 0 | 0 | " + unknown + " untouched";
        QTest::newRow("opening over a playing effect cuts it off")
            << "open long WAVE | play WAVE notify | open short WAVE | status WAVE mode | play "
               "WAVE notify | wait WAVE"
            << "0 | 0 | 0 | stopped | 0 | stopped";
        QTest::newRow("a failed open keeps the sound that was open")
            << "open long MIDI | play MIDI | open none MIDI | status MIDI mode"
            << "0 | 0 | " + unreadable + " | playing";
        QTest::newRow("a named pipe, refused without waiting for a writer")
            << "open pipe MIDI | open short WAVE | play WAVE | status WAVE mode"
            << unreadable + " | 0 | 0 | playing";
        for (const char* file : {"none", "folder", "text", "empty", "cut"}) {
            QTest::newRow(file) << "open short MIDI | open " + QString(file) + " WAVE" + thenMusic
                                << "0 | " + unreadable + " | 0 | playing";
        }
        QTest::newRow("an alias that is not open")
            << "open short MIDI | close WAVE notify | play WAVE notify" + thenMusic
            << "0 | " + unknown + " | " + unknown + " | 0 | playing";
        QTest::newRow("blanks and Japanese in the path")
            << "open japanese WAVE | play WAVE notify | status WAVE mode"
            << "0 | 0 | playing";
        QTest::newRow("a lost output: commands answered as if it were there")
            << "open long MIDI | play MIDI | lose | status MIDI mode | open short WAVE | play WAVE"
               " | open none WAVE | seek MIDI to start | status MIDI mode | play MIDI | status MIDI"
               " mode"
            << "0 | 0 | - | playing | 0 | 0 | " + unreadable + " | 0 | stopped | 0 | playing";
        QTest::newRow("the output back: the music plays on, the effect that was sounding not")
            << "open long MIDI | play MIDI | open long WAVE | play WAVE | lose | status MIDI mode"
               " | regain | status MIDI mode | status WAVE mode | play WAVE | status WAVE mode"
            << "0 | 0 | 0 | 0 | - | playing | - | playing | stopped | 0 | stopped";
        QTest::newRow("the output back: the music plays on from where it was")
            << "open long MIDI | play MIDI | later | drop | status MIDI mode | later | status MIDI"
               " mode"
            << "0 | 0 | - | - | playing | - | stopped";
        QTest::newRow("the output back: a music that had ended stays silent")
            << "open short MIDI | play MIDI | wait MIDI | lose | regain | status MIDI mode"
            << "0 | 0 | stopped | - | - | stopped";
        QTest::newRow("a device found later plays the music asked for meanwhile")
            << "without | open long MIDI | play MIDI | status MIDI mode | with | status MIDI mode"
            << "- | 5 | 5 | 5 untouched | - | playing";
        QTest::newRow("aliases and words in any case")
            << "open long midi | PLAY Midi NOTIFY | Status MIDI Mode | CLOSE mIdI | status midi "
               "mode"
            << "0 | 0 | playing | 0 | " + unknown + " untouched";
    }
    void soundsFollowTheirCommands() {
        QFETCH(QString, commands);
        QFETCH(QString, answers);
        SdlMediaService media;
        QCOMPARE(run(media, commands), answers);
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    // Without a device every command fails as such, with one warning in all.
    void withoutDeviceEverythingFailsQuietly() {
        const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no audio")));
            QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
            SdlMediaService media;
            QByteArray reply = "before";
            for (const QByteArray& command :
                 {openCommand(testFile("short"), "MIDI"), QByteArray("play MIDI notify"),
                  QByteArray("status MIDI mode"), QByteArray("close MIDI"), QByteArray(),
                  QByteArray("stop"), QByteArray("status MIDI mode")}) {
                QCOMPARE(media.send(command, &reply), int(media::MediaNoDevice));
            }
            QCOMPARE(reply, QByteArray("before"));
        }
        qputenv("SDL_AUDIODRIVER", driver);
        // The device is tried again by the next service.
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(testFile("short"), "MIDI"), nullptr), ok);
    }

    // The mixer is shared by the whole process: a second service stays silent instead of
    // playing on the first one's channels, and the first goes on undisturbed.
    void secondServiceStaysSilent() {
        SdlMediaService first;
        QCOMPARE(first.send(openCommand(testFile("long"), "MIDI"), nullptr), ok);
        QCOMPARE(first.send("play MIDI", nullptr), ok);
        {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("in use")));
            SdlMediaService second;
            QCOMPARE(second.send("close MIDI", nullptr), int(media::MediaNoDevice));
        }
        QCOMPARE(tone::status(first, "MIDI"), QByteArray("playing"));
    }

    // Commands held until release are answered then as they would have been at once, in order;
    // what is logged meanwhile waits behind them.
    void heldCommandsKeepTheirPlaceInTheLog() {
        testFile("bgm");
        const host::FixedHostFacts host(dir_.filePath(QStringLiteral("game")), 16200);
        QStringList logged[2];
        for (const bool hold : {false, true}) {
            TraceRecorder trace;
            SdlMediaService media;
            sound::SoundModule sound(media, host);
            if (hold) {
                media.holdCommands();
            }
            sound.BgmOpn(QStringLiteral("bgm.wav"));
            sound.SeStt(QStringLiteral("none.wav"));
            host::trace(QStringLiteral("load"));
            QCOMPARE(trace.lines.isEmpty(), hold);
            media.releaseCommands();
            logged[hold] = trace.lines;
        }
        QCOMPARE(logged[1], logged[0]);
        QCOMPARE(logged[0].size(), 7); // five commands, "load" and the warning
    }
};

QTEST_GUILESS_MAIN(SdlMediaServiceTest)
#include "media_service_test.moc"
