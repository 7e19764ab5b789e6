// zoa-content play: the real game window carries a story on at any event, with the counters
// given, and plays on by the game's rules.
#include "commands/play_command.h"
#include "commands/play_content.h"
#include "commands/scene_replay.h"
#include "platform/cp932.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/timer.h"
#include "support/game_fixture.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cstdio>

namespace {

// Every event of these tests: one line of text and a choice.
void writeScenes(TestContent& content) {
    for (const QString name : {"char25", "char04", "char35", "b_4", "name_end"}) {
        content.writeScript(name, {name, ">", "A", "B"});
        content.writePicture(name);
    }
    content.writePicture("char2");
    content.writePicture("2");
}

// Saves a file as editors do: "in place" writes over its bytes; "rename" writes a hidden file
// beside it and renames that over it.
void save(const QString& path, const QByteArray& bytes, const QString& how) {
    const QString written = how == "rename" ? QFileInfo(path).path() + "/.saving" : path;
    QFile file(written);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    if (written != path) {
        // Replaces the old file at once, as rename(2) does and QFile::rename does not.
        QCOMPARE(std::rename(QFile::encodeName(written).constData(),
                             QFile::encodeName(path).constData()),
                 0);
    }
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Starts at char25 with the counters given, answers through the real caption, and checks the
    // event the answer leads to. The selector draw r picks the row s = int(10 r).
    void answersGoOnByTheRules_data() {
        QTest::addColumn<QString>("affinity");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<float>("selectorDraw");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("character 0 one behind character 1 advances") << "3,4,2,5,1"
                                                                     << "0" << 0.75f << "a"
                                                                     << "char04";
        QTest::newRow("character 3 shows its counter") << "3,4,2,5,1"
                                                       << "0" << 0.45f << "b"
                                                       << "char35";
        QTest::newRow("fifth answer a ends the story") << "0,0,0,0,0"
                                                       << "4" << 0.15f << "a"
                                                       << "name_end";
        QTest::newRow("answer b does not count") << "0,0,0,0,0"
                                                 << "4" << 0.95f << "b"
                                                 << "b_4";
    }
    void answersGoOnByTheRules() {
        QFETCH(QString, affinity);
        QFETCH(QString, answers);
        QFETCH(float, selectorDraw);
        QFETCH(QString, key);
        QFETCH(QString, next);
        GameFixture game;
        writeScenes(game.content);
        game.random.setValues({selectorDraw, 0.2f});
        Fom& fom = game.start();
        content::PlayCommand command;
        QCOMPARE(content::parsePlayArguments({"char25", game.content.folder(), "--affinity",
                                              affinity, "--answers=" + answers},
                                             QString(), &command),
                 QString());
        content::startPlay(fom, command);
        QCOMPARE(fom.eventName, QString("char25"));
        QCOMPARE(fom.Img->fileName(), game.content.dat2() + "char2.bmp");
        QVERIFY(fom.ImgFce->isVisible());
        QVERIFY(!fom.Img->isEnabled());

        fom.Lbl_Click();
        const int caption = fom.choiceKeys[0] == key ? 0 : 1;
        QCOMPARE(fom.choiceKeys[caption], key);
        QTest::mouseClick(fom.Qst[caption], Qt::LeftButton);
        QCOMPARE(fom.eventName, next);
    }

    // With --watch, each save of the scene's script plays the scene again from its start with the
    // new text and the counters the play began with, after the story had moved on to another scene.
    void savedScriptPlaysTheSceneAgain_data() {
        QTest::addColumn<QStringList>("saves");
        QTest::newRow("written in place") << QStringList{"in place"};
        QTest::newRow("renamed over, then written in place") << QStringList{"rename", "in place"};
    }
    void savedScriptPlaysTheSceneAgain() {
        QFETCH(QStringList, saves);
        GameFixture game;
        writeScenes(game.content);
        game.random.setValues({0.75f, 0.2f});
        content::PlayCommand command;
        QCOMPARE(content::parsePlayArguments(
                     {"char25", game.content.folder(), "--watch", "--affinity", "3,4,2,5,1"},
                     QString(), &command),
                 QString());
        content::PlayContent played(command.folder);
        Fom& fom = game.start();
        content::startPlay(fom, command);
        new content::SceneReplay(fom, command, played);
        fom.TimIve->setInterval(1);
        const QString counters = game.counters();
        fom.Lbl_Click();
        QTest::mouseClick(fom.Qst[fom.choiceKeys[0] == "a" ? 0 : 1], Qt::LeftButton);
        QCOMPARE(fom.eventName, QString("char04"));
        QVERIFY(game.counters() != counters);

        for (qsizetype i = 0; i < saves.size(); ++i) {
            const QString line = QString("第%1稿").arg(i + 2);
            save(game.content.dat1() + "char25.txt",
                 platform::encodeCp932(line).bytes + "\r\n>\r\nA\r\nB\r\n", saves.at(i));
            QTRY_VERIFY_WITH_TIMEOUT(game.shown().contains(line), 3000);
            QCOMPARE(fom.eventName, QString("char25"));
            QCOMPARE(game.counters(), counters);
        }
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
