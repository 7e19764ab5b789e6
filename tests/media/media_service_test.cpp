// The SDL2_mixer media service under SDL's dummy audio driver: sounds start, end, rewind, sound
// together and fail cleanly, as the game's sound module and music watch rely on.
#include "platform/host_facts.h"
#include "platform/log.h"
#include "platform/media_service.h"
#include "platform/sdl_media_service.h"
#include "sound/sound_module.h"
#include "support/trace_recorder.h"
#include "tone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using platform::SdlMediaService;

namespace {

constexpr int ok = platform::MediaOk;

QByteArray openCommand(const QString& path, const char* alias) {
    return "open \"" + path.toUtf8() + "\" alias " + alias;
}

} // namespace

class SdlMediaServiceTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }
    QString shortSound() { return writeFile(QStringLiteral("short.wav"), tone::sineWav(500, 60)); }
    QString longSound() { return writeFile(QStringLiteral("long.wav"), tone::sineWav(700, 3000)); }

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(qgetenv("SDL_AUDIODRIVER"), QByteArray("dummy"));
        QVERIFY(dir_.isValid());
    }

    void playsToItsEndAndStaysThere() {
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(shortSound(), "MIDI"), nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
        QCOMPARE(media.send("play MIDI notify", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
        QVERIFY(tone::waitForStatus(media, "MIDI", "stopped"));
        // At its end a plain play sounds nothing more.
        QCOMPARE(media.send("play MIDI", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
        // Rewound, it plays again; so it does from 0 once at its end.
        QCOMPARE(media.send("seek MIDI to start", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
        QCOMPARE(media.send("play MIDI", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
        QVERIFY(tone::waitForStatus(media, "MIDI", "stopped"));
        QCOMPARE(media.send("play MIDI from 0", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
    }

    void seekStopsAPlayingSound() {
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(longSound(), "MIDI"), nullptr), ok);
        QCOMPARE(media.send("play MIDI", nullptr), ok);
        QCOMPARE(media.send("seek MIDI to start", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
    }

    void musicAndEffectSoundTogether() {
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(longSound(), "MIDI"), nullptr), ok);
        QCOMPARE(media.send("play MIDI notify", nullptr), ok);
        QCOMPARE(media.send(openCommand(shortSound(), "WAVE"), nullptr), ok);
        QCOMPARE(media.send("play WAVE notify", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
        QCOMPARE(tone::status(media, "WAVE"), QByteArray("playing"));
        QVERIFY(tone::waitForStatus(media, "WAVE", "stopped"));
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
        QCOMPARE(media.send("close WAVE notify", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
    }

    // A long effect playing under WAVE is cut off by what the sound module sends next.
    void nextEffectCutsTheOldOneOff_data() {
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<int>("statusCode");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray open = "open \"%1\" alias WAVE";
        QTest::newRow("close") << QList<QByteArray>{"close WAVE notify"}
                               << int(platform::MediaUnknownAlias) << QByteArray();
        QTest::newRow("close, open")
            << QList<QByteArray>{"close WAVE notify", open} << ok << QByteArray("stopped");
        QTest::newRow("open over the playing one")
            << QList<QByteArray>{open} << ok << QByteArray("stopped");
        QTest::newRow("close, open, play")
            << QList<QByteArray>{"close WAVE notify", open, "play WAVE notify"} << ok
            << QByteArray("playing");
    }
    void nextEffectCutsTheOldOneOff() {
        QFETCH(QList<QByteArray>, commands);
        QFETCH(int, statusCode);
        QFETCH(QByteArray, reply);
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(longSound(), "WAVE"), nullptr), ok);
        QCOMPARE(media.send("play WAVE notify", nullptr), ok);
        for (QByteArray command : commands) {
            command.replace("%1", shortSound().toUtf8());
            QCOMPARE(media.send(command, nullptr), ok);
        }
        QByteArray answer;
        QCOMPARE(media.send("status WAVE mode", &answer), statusCode);
        QCOMPARE(answer, reply);
        // Whatever sounds now is the short effect: it has ended well before the long one would.
        if (statusCode == ok) {
            QVERIFY(tone::waitForStatus(media, "WAVE", "stopped"));
        }
    }

    void failedOpenKeepsTheSoundThatWasOpen() {
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(longSound(), "MIDI"), nullptr), ok);
        QCOMPARE(media.send("play MIDI", nullptr), ok);
        QCOMPARE(
            media.send(openCommand(dir_.filePath(QStringLiteral("none.wav")), "MIDI"), nullptr),
            int(platform::MediaUnreadableFile));
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
    }

    void failures_data() {
        QTest::addColumn<QString>("file"); // written into the folder when not empty
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("command"); // "%1": the file's path, "%2": the folder's
        QTest::addColumn<int>("code");

        const int unreadable = platform::MediaUnreadableFile;
        const int unknownAlias = platform::MediaUnknownAlias;
        const QByteArray wav = tone::sineWav(500, 60);
        const QByteArray openFile = "open \"%1\" alias WAVE";
        QTest::newRow("missing file")
            << QString() << QByteArray() << QByteArray("open \"/no/such/file.wav\" alias WAVE")
            << unreadable;
        QTest::newRow("text file") << QStringLiteral("text.wav")
                                   << QByteArray("this is not a sound\n") << openFile << unreadable;
        QTest::newRow("empty file")
            << QStringLiteral("empty.wav") << QByteArray() << openFile << unreadable;
        QTest::newRow("RIFF header only")
            << QStringLiteral("header.wav") << wav.left(12) << openFile << unreadable;
        QTest::newRow("cut in the format")
            << QStringLiteral("cut.wav") << wav.left(30) << openFile << unreadable;
        QTest::newRow("folder") << QString() << QByteArray() << QByteArray("open \"%2\" alias WAVE")
                                << unreadable;
        QTest::newRow("unknown alias on open")
            << QStringLiteral("good.wav") << wav << QByteArray("open \"%1\" alias BGM")
            << unknownAlias;
        QTest::newRow("close of an alias not open")
            << QString() << QByteArray() << QByteArray("close WAVE notify") << unknownAlias;
        QTest::newRow("play of an alias not open")
            << QString() << QByteArray() << QByteArray("play WAVE notify") << unknownAlias;
        QTest::newRow("play of an unknown alias")
            << QString() << QByteArray() << QByteArray("play BGM") << unknownAlias;
    }
    void failures() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, command);
        QFETCH(int, code);
        if (!file.isEmpty()) {
            command.replace("%1", writeFile(file, bytes).toUtf8());
        }
        command.replace("%2", dir_.path().toUtf8());
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(shortSound(), "MIDI"), nullptr), ok);
        QCOMPARE(media.send(command, nullptr), code);
        // Command texts that do not parse are the parser's test. The service goes on working, and
        // the failure touched no other alias.
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("stopped"));
        QCOMPARE(media.send("play MIDI", nullptr), ok);
        QCOMPARE(tone::status(media, "MIDI"), QByteArray("playing"));
    }

    void pathsWithBlanksAndJapanese_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << QStringLiteral("my sounds/se 1.wav");
        QTest::newRow("Japanese") << QStringLiteral("効果音/ドア.wav");
        QTest::newRow("both") << QStringLiteral("音 楽/  曲 一.wav");
    }
    void pathsWithBlanksAndJapanese() {
        QFETCH(QString, name);
        const QString path = writeFile(name, tone::sineWav(500, 60));
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(path, "WAVE"), nullptr), ok);
        QCOMPARE(media.send("play WAVE notify", nullptr), ok);
        QCOMPARE(tone::status(media, "WAVE"), QByteArray("playing"));
    }

    void aliasesAndWordsIgnoreCase() {
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(longSound(), "midi"), nullptr), ok);
        QCOMPARE(media.send("PLAY Midi NOTIFY", nullptr), ok);
        QByteArray reply;
        QCOMPARE(media.send("Status MIDI Mode", &reply), ok);
        QCOMPARE(reply, QByteArray("playing"));
        QCOMPARE(media.send("status MIDI mode", nullptr), ok); // no reply wanted
        QCOMPARE(media.send("CLOSE mIdI", nullptr), ok);
        QCOMPARE(media.send("status midi mode", &reply), int(platform::MediaUnknownAlias));
    }

    // Parse failures are the parser's test; a query of an alias that is not open is the service's.
    void failedStatusLeavesTheReplyUntouched() {
        SdlMediaService media;
        QByteArray reply = "before";
        QCOMPARE(media.send("status WAVE mode", &reply), int(platform::MediaUnknownAlias));
        QCOMPARE(reply, QByteArray("before"));
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
                 {openCommand(shortSound(), "MIDI"), QByteArray("play MIDI notify"),
                  QByteArray("status MIDI mode"), QByteArray("close MIDI"), QByteArray(),
                  QByteArray("stop"), QByteArray("status MIDI mode")}) {
                QCOMPARE(media.send(command, &reply), int(platform::MediaNoDevice));
            }
            QCOMPARE(reply, QByteArray("before"));
        }
        qputenv("SDL_AUDIODRIVER", driver);
        // The device is tried again by the next service.
        SdlMediaService media;
        QCOMPARE(media.send(openCommand(shortSound(), "MIDI"), nullptr), ok);
    }

    // Opening the device leaves SIGINT to the program: SDL would otherwise turn it into an event
    // nobody reads, and the game could no longer be interrupted. (SDL only takes signals that
    // have their default handling, so the test's own handler is set aside meanwhile.)
    void deviceLeavesInterruptAlone() {
        struct sigaction defaultAction {};
        defaultAction.sa_handler = SIG_DFL;
        struct sigaction saved {};
        sigaction(SIGINT, &defaultAction, &saved);
        struct sigaction during {};
        {
            SdlMediaService media;
            QCOMPARE(media.send(openCommand(shortSound(), "MIDI"), nullptr), ok);
            sigaction(SIGINT, nullptr, &during);
        }
        sigaction(SIGINT, &saved, nullptr);
        QVERIFY(during.sa_handler == SIG_DFL);
    }

    // The mixer is shared by the whole process: a second service stays silent instead of
    // playing on the first one's channels, and the first goes on undisturbed.
    void secondServiceStaysSilent() {
        SdlMediaService first;
        QCOMPARE(first.send(openCommand(longSound(), "MIDI"), nullptr), ok);
        QCOMPARE(first.send("play MIDI", nullptr), ok);
        {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("in use")));
            SdlMediaService second;
            QCOMPARE(second.send("close MIDI", nullptr), int(platform::MediaNoDevice));
        }
        QCOMPARE(tone::status(first, "MIDI"), QByteArray("playing"));
    }

    // Commands held until release are answered then as they would have been at once, in order;
    // what is logged meanwhile waits behind them.
    void heldCommandsKeepTheirPlaceInTheLog() {
        writeFile(QStringLiteral("game/dat2/bgm.wav"), tone::sineWav(500, 60));
        const platform::FixedHostFacts host(dir_.filePath(QStringLiteral("game")), 16200);
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
            platform::trace(QStringLiteral("load"));
            QCOMPARE(trace.lines.isEmpty(), hold);
            media.releaseCommands();
            logged[hold] = trace.lines + trace.warnings;
        }
        QCOMPARE(logged[1], logged[0]);
        QCOMPARE(logged[0].size(), 7); // five commands, "load" and the warning
    }
};

QTEST_GUILESS_MAIN(SdlMediaServiceTest)
#include "media_service_test.moc"
