// Parsing of media command texts: the commands the game sends, and everything else refused.
#include "media/media_command.h"
#include "media/media_service.h"

#include <QTest>

using media::MediaCommand;

class MediaCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each row: the text, and what is read from it: verb, alias, [path], "from 0", "notify".
    void validCommands_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("open path with blanks kept verbatim")
            << QByteArray("open \" /my games/se 1.wav \" alias WAVE")
            << "open WAVE [ /my games/se 1.wav ]";
        QTest::newRow("open Japanese path")
            << QByteArray("open \"/ゲーム/音 楽/効果音.wav\" alias WAVE")
            << "open WAVE [/ゲーム/音 楽/効果音.wav]";
        QTest::newRow("open words in any case")
            << QByteArray("OPEN \"a.wav\" AliAS midi") << "open midi [a.wav]";
        QTest::newRow("extra blanks and tabs")
            << QByteArray("  open\t\"a.wav\"   alias \tWAVE  ") << "open WAVE [a.wav]";
        QTest::newRow("play from 0") << QByteArray("play MIDI from 0") << "play MIDI from 0";
        QTest::newRow("play from 0 notify")
            << QByteArray("Play Midi FROM 0 NOTIFY") << "play Midi from 0 notify";
        QTest::newRow("seek") << QByteArray("SEEK midi TO Start") << "seek midi";
    }
    void validCommands() {
        QFETCH(QByteArray, text);
        QFETCH(QString, read);
        MediaCommand command;
        QCOMPARE(media::parseMediaCommand(text, &command), int(media::MediaOk));
        const char* verbs[] = {"open", "play", "close", "status", "seek"};
        QStringList parts{verbs[static_cast<int>(command.verb)], QString(command.alias),
                          command.path.isEmpty() ? "" : "[" + QString::fromUtf8(command.path) + "]",
                          command.fromStart ? "from 0" : "", command.notify ? "notify" : ""};
        parts.removeAll(QString());
        QCOMPARE(parts.join(' '), read);
    }

    void refusedCommands_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("code");

        const int unknown = media::MediaUnknownCommand;
        const int malformed = media::MediaMalformedCommand;
        QTest::newRow("unknown verb") << QByteArray("stop MIDI") << unknown;
        QTest::newRow("verb glued to alias") << QByteArray("playMIDI") << unknown;
        QTest::newRow("empty") << QByteArray() << malformed;
        QTest::newRow("open unquoted path") << QByteArray("open a.wav alias MIDI") << malformed;
        QTest::newRow("open empty path") << QByteArray("open \"\" alias MIDI") << malformed;
        QTest::newRow("open unclosed quote") << QByteArray("open \"a.wav alias MIDI") << malformed;
        QTest::newRow("open extra word")
            << QByteArray("open \"a.wav\" alias MIDI notify") << malformed;
        QTest::newRow("play without alias") << QByteArray("play") << malformed;
        QTest::newRow("play from without position") << QByteArray("play MIDI from") << malformed;
        QTest::newRow("play from elsewhere") << QByteArray("play MIDI from 5") << malformed;
        QTest::newRow("status other item") << QByteArray("status MIDI position") << malformed;
        QTest::newRow("seek to end") << QByteArray("seek MIDI to end") << malformed;
        QTest::newRow("NUL inside") << QByteArray("play MIDI\0 notify", 17) << malformed;
        QTest::newRow("trailing newline") << QByteArray("play MIDI\n") << malformed;
        QTest::newRow("too long") << "play MIDI " + QByteArray(media::maxMediaCommandLength, ' ')
                                  << malformed;
        QTest::newRow("huge path")
            << "open \"" + QByteArray(1 << 20, 'a') + "\" alias MIDI" << malformed;
    }
    void refusedCommands() {
        QFETCH(QByteArray, text);
        QFETCH(int, code);
        MediaCommand command;
        command.alias = "untouched";
        QCOMPARE(media::parseMediaCommand(text, &command), code);
        QCOMPARE(command.alias, QByteArray("untouched"));
    }
};

QTEST_GUILESS_MAIN(MediaCommandTest)
#include "media_command_test.moc"
