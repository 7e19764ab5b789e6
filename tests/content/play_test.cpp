// zoa-content play: the real game window carries a story on at any event, with the counters
// given, and plays on by the game's rules; with --watch it plays the event again at each save.
#include "commands/play_command.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/timer.h"
#include "pack/story_content.h"
#include "preview/finding_strip.h"
#include "preview/scene_replay.h"
#include "support/game_fixture.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTest>

#include <cstdio>
#include <memory>

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

// The content folder made a story's sources: the scripts in story/, the pictures in pictures/.
QString makeSources(const TestContent& content) {
    QDir folder(content.folder());
    return folder.rename("dat1", "story") && folder.rename("dat2", "pictures") ? folder.path()
                                                                               : QString();
}

// Plays char25 with --watch over the folder, typing fast; the content packs once first, its
// diagnostics written to report. Returns what is wrong with the command line.
QString playWatched(GameFixture& game, const QString& folder,
                    std::unique_ptr<content::StoryContent>& played, std::FILE* report = stderr) {
    content::PlayCommand command;
    const QString problem = content::parsePlayArguments(
        {"char25", folder, "--watch", "--affinity", "3,4,2,5,1"}, QString(), &command);
    played = std::make_unique<content::StoryContent>(command.folder);
    played->pack();
    content::printDiagnostics(played->packDiagnostics(), report);
    game.host = host::FixedHostFacts(played->gameFolder(), 16200);
    Fom& fom = game.start();
    fom.TimIve->setInterval(1);
    content::startPlay(fom, command);
    new content::SceneReplay(fom, command, *played, nullptr, report);
    return problem;
}

QString readAll(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    char text[4096] = {};
    return QString::fromUtf8(text, std::fread(text, 1, sizeof text - 1, file));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves a file as editors do: written over "in place", or written whole beside it and renamed
// over it.
void save(const QString& path, const QByteArray& bytes, const QString& how) {
    if (how == "rename") {
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        QVERIFY(file.commit());
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
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
        const auto row = [](const char* name, const char* affinity, const char* answers,
                            float selectorDraw, const char* key, const char* next) {
            QTest::newRow(name) << QString(affinity) << QString(answers) << selectorDraw
                                << QString(key) << QString(next);
        };
        row("character 0 one behind character 1 advances", "3,4,2,5,1", "0", 0.75f, "a", "char04");
        row("character 3 shows its counter", "3,4,2,5,1", "0", 0.45f, "b", "char35");
        row("fifth answer a ends the story", "0,0,0,0,0", "4", 0.15f, "a", "name_end");
        row("answer b does not count", "0,0,0,0,0", "4", 0.95f, "b", "b_4");
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

    // Each row: a file saved, in place or renamed over it as editors do (the watch on a file
    // renamed over is renewed for the next save), while char04 plays after
    // the story moved on from char25, the scene --watch plays; then the scene played again with
    // its counters: the scene of the script saved with the counters that reach it (char25's the
    // play's own), for a picture the scene being played, for a file no story holds none.
    void savedFileReplaysItsScene_data() {
        QTest::addColumn<QString>("file"); // in the sources, or in a game folder (dat1/)
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("scene"); // and its counters, "A0 A1 A2 A3 A4 | answers"
        const auto row = [](const char* name, const char* file, const char* how,
                            const char* scene) {
            QTest::newRow(name) << QString(file) << QString(how) << QString(scene);
        };
        const char* ownScene = "char25 3 4 2 5 1 | 0";
        row("the scene's script, renamed over, then in place", "story/char25.txt",
            "rename, in place", ownScene);
        row("the scene's script in a game folder", "dat1/char25.txt", "in place", ownScene);
        row("another scene's script", "story/char35.txt", "rename", "char35 0 0 0 6 0 | 0");
        row("the ending's script", "story/name_end.txt", "rename", "name_end 0 0 0 0 0 | 5");
        row("a picture", "pictures/char0.bmp", "rename", "char04 4 4 2 5 1 | 0");
        row("a picture's description", "pictures/char0.description", "in place",
            "char04 4 4 2 5 1 | 0");
        row("notes beside the story", "notes.md", "rename", "");
    }
    void savedFileReplaysItsScene() {
        QFETCH(QString, file);
        QFETCH(QString, how);
        QFETCH(QString, scene);
        GameFixture game;
        writeScenes(game.content);
        game.content.writePicture("char0");
        game.random.setValues({0.75f, 0.2f});
        const QString folder =
            file.startsWith("dat") ? game.content.folder() : makeSources(game.content);
        std::unique_ptr<content::StoryContent> played;
        QCOMPARE(playWatched(game, folder, played), QString());
        Fom& fom = game.fom();
        fom.Lbl_Click();
        QTest::mouseClick(fom.Qst[0], Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(game.state().startsWith("choice"), 3000);
        QCOMPARE(fom.eventName, QString("char04"));
        for (const QString& way : how.split(", ")) {
            const qsizetype before = game.trace.lines.size();
            const QByteArray text = "edited " + way.toUtf8();
            save(folder + "/" + file,
                 file.endsWith(".bmp") ? readAll(folder + "/pictures/char25.bmp")
                                       : text + "\r\n>\r\nA\r\nB\r\n",
                 way);
            if (scene.isEmpty()) {
                QTest::qWait(3 * content::FolderWatcher::settleMilliseconds);
                QVERIFY(!game.shortTrace(before).contains("event"));
                return;
            }
            QTRY_VERIFY_WITH_TIMEOUT(game.shortTrace(before).contains("event"), 3000);
            QCOMPARE(fom.eventName + ' ' + game.counters(), scene);
            QTRY_VERIFY_WITH_TIMEOUT(!file.endsWith(".txt") || game.shown().contains(text), 3000);
            QTest::qWait(3 * content::FolderWatcher::settleMilliseconds); // the save settled
        }
    }

    // A save that does not pack, or that check finds an error in, is told in a strip over the
    // window and printed, naming the author's file and line; the window plays on as it was when
    // the save does not pack. A clean save takes the strip away.
    void brokenSaveIsShownOverTheWindow_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("place"); // after the file's path
        QTest::addColumn<bool>("packs");
        QTest::newRow("a character code page 932 cannot hold")
            << "story/char25.txt" << QByteArray("\xF0\x9F\x90\x9F\n>\nA\nB\n") << ":1:1: error"
            << false;
        QTest::newRow("a picture that cannot be read")
            << "pictures/char2.bmp" << QByteArray("not a picture") << ": error" << false;
        QTest::newRow("a choice with one caption")
            << "story/char25.txt" << QByteArray("char25\n>\nA\n") << ":2: error" << true;
    }
    void brokenSaveIsShownOverTheWindow() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, place);
        QFETCH(bool, packs);
        GameFixture game;
        writeScenes(game.content);
        const QString folder = makeSources(game.content);
        std::FILE* report = std::tmpfile();
        std::unique_ptr<content::StoryContent> played;
        QCOMPARE(playWatched(game, folder, played, report), QString());
        game.fom().Lbl_Click();
        const QString state = game.state();
        QVERIFY(state.startsWith("choice"));
        const auto* strip = game.fom().findChild<content::FindingStrip*>();
        const QByteArray good = readAll(folder + '/' + file);

        save(folder + '/' + file, bytes, "in place");
        QTRY_VERIFY_WITH_TIMEOUT(strip->isVisible(), 3000);
        QVERIFY2(strip->text().startsWith(folder + '/' + file + place), qPrintable(strip->text()));
        QVERIFY(readAll(report).contains(folder + '/' + file + place));
        QCOMPARE(game.state() == state, !packs);
        QCOMPARE(strip->geometry().bottom(), game.fom().rect().bottom());

        save(folder + '/' + file, good, "in place");
        QTRY_VERIFY_WITH_TIMEOUT(!strip->isVisible(), 3000);
        std::fclose(report);
    }

    // The game's messages about packed files name the author's files instead.
    void messagesNameTheSources_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("named");
        QTest::newRow("a packed script")
            << "bytes not in code page 932 in <G>/dat1/char25.txt, line 2"
            << "bytes not in code page 932 in <S>/story/char25.txt, line 2";
        QTest::newRow("a packed picture") << "cannot read the picture <G>/dat2/char2.bmp"
                                          << "cannot read the picture <S>/pictures/char2.bmp";
        QTest::newRow("a file no source made") << "cannot read the script <G>/dat1/none.txt"
                                               << "cannot read the script <S>/story/none.txt";
    }
    void messagesNameTheSources() {
        QFETCH(QString, message);
        QFETCH(QString, named);
        TestContent story;
        writeScenes(story);
        content::StoryContent played(makeSources(story));
        QVERIFY(played.pack());
        const auto withFolders = [&](QString text) {
            return text.replace("<G>", played.gameFolder()).replace("<S>", story.folder());
        };
        QCOMPARE(played.nameSources(withFolders(message)), withFolders(named));
    }
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
