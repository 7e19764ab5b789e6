// zoa-content play: the real game window carries a story on at any event, with the counters
// given, and plays on by the game's rules.
#include "commands/play_command.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "support/game_fixture.h"

#include <QTest>

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
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
