// Parsing of media command texts: the commands the game sends, and everything else refused.
#include "platform/media_command.h"
#include "platform/media_service.h"

#include <QTest>

using platform::MediaCommand;
using platform::MediaVerb;

Q_DECLARE_METATYPE(platform::MediaVerb)

class MediaCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void validCommands_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<MediaVerb>("verb");
        QTest::addColumn<QByteArray>("alias");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("fromStart");
        QTest::addColumn<bool>("notify");

        const QByteArray none;
        QTest::newRow("open path with blanks kept verbatim")
            << QByteArray("open \" /my games/se 1.wav \" alias WAVE") << MediaVerb::Open
            << QByteArray("WAVE") << QByteArray(" /my games/se 1.wav ") << false << false;
        QTest::newRow("open Japanese path")
            << QStringLiteral("open \"/ゲーム/音 楽/効果音.wav\" alias WAVE").toUtf8()
            << MediaVerb::Open << QByteArray("WAVE")
            << QStringLiteral("/ゲーム/音 楽/効果音.wav").toUtf8() << false << false;
        QTest::newRow("open words in any case")
            << QByteArray("OPEN \"a.wav\" AliAS midi") << MediaVerb::Open << QByteArray("midi")
            << QByteArray("a.wav") << false << false;
        QTest::newRow("extra blanks and tabs")
            << QByteArray("  open\t\"a.wav\"   alias \tWAVE  ") << MediaVerb::Open
            << QByteArray("WAVE") << QByteArray("a.wav") << false << false;
        QTest::newRow("play from 0") << QByteArray("play MIDI from 0") << MediaVerb::Play
                                     << QByteArray("MIDI") << none << true << false;
        QTest::newRow("play from 0 notify")
            << QByteArray("Play Midi FROM 0 NOTIFY") << MediaVerb::Play << QByteArray("Midi")
            << none << true << true;
        QTest::newRow("seek") << QByteArray("SEEK midi TO Start") << MediaVerb::Seek
                              << QByteArray("midi") << none << false << false;
    }
    void validCommands() {
        QFETCH(QByteArray, text);
        QFETCH(MediaVerb, verb);
        QFETCH(QByteArray, alias);
        QFETCH(QByteArray, path);
        QFETCH(bool, fromStart);
        QFETCH(bool, notify);
        MediaCommand command;
        QCOMPARE(platform::parseMediaCommand(text, &command), int(platform::MediaOk));
        QCOMPARE(command.verb, verb);
        QCOMPARE(command.alias, alias);
        QCOMPARE(command.path, path);
        QCOMPARE(command.fromStart, fromStart);
        QCOMPARE(command.notify, notify);
    }

    void refusedCommands_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("code");

        const int unknown = platform::MediaUnknownCommand;
        const int malformed = platform::MediaMalformedCommand;
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
        QTest::newRow("too long") << "play MIDI " + QByteArray(platform::maxMediaCommandLength, ' ')
                                  << malformed;
        QTest::newRow("huge path")
            << "open \"" + QByteArray(1 << 20, 'a') + "\" alias MIDI" << malformed;
    }
    void refusedCommands() {
        QFETCH(QByteArray, text);
        QFETCH(int, code);
        MediaCommand command;
        command.alias = "untouched";
        QCOMPARE(platform::parseMediaCommand(text, &command), code);
        QCOMPARE(command.alias, QByteArray("untouched"));
    }
};

QTEST_GUILESS_MAIN(MediaCommandTest)
#include "media_command_test.moc"
