// zoa-content new: a new story's sources pack into a game folder that check finds clean and
// whose scenes play to their choice or back to the title, every picture described; a folder that
// already holds anything is left as it was.
#include "controls/picture.h"
#include "pack/script_pack.h"
#include "support/game_fixture.h"
#include "support/tool_run.h"
#include "text/picture_description.h"
#include "window/fom.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString tool = QStringLiteral(ZOA_CONTENT_TOOL);

QString printed(const QList<content::Diagnostic>& diagnostics) {
    QStringList lines;
    for (const content::Diagnostic& diagnostic : diagnostics) {
        lines.append(diagnostic.toString());
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class NewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One new story, made by the tool and packed, for the tests that play and check it.
    void initTestCase() {
        QVERIFY(scratch_.isValid());
        sources_ = scratch_.filePath(QStringLiteral("mystory"));
        const ToolRun made = runTool(tool, {QStringLiteral("new"), sources_});
        QVERIFY2(made.exitCode == 0, qPrintable(made.err));
        game_ = scratch_.filePath(QStringLiteral("game"));
        const content::PackResult packed = content::packStory(sources_, game_);
        QVERIFY2(packed.diagnostics.isEmpty(), qPrintable(printed(packed.diagnostics)));
    }

    // Each kind of scene, started as the game starts it, types its script, whose first line
    // names it, without a warning about its files, and ends where the story needs: in its choice,
    // or back at the title for the credits and the ending.
    void scenesPlayToTheirEnd_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("ending");
        const auto row = [](const char* name, const char* steps, const char* event,
                            const char* ending) {
            QTest::newRow(name) << QString(steps) << QString(event) << QString(ending);
        };
        row("the opening", "pleft t1000", "zoa", "choice[");
        row("the credits", "pright t1000", "end", "title");
        row("the ending", "e:name_end:name_end t1000", "name_end", "title");
        row("a meeting", "e:char34:char3 t1000", "char34", "choice[");
    }
    void scenesPlayToTheirEnd() {
        QFETCH(QString, steps);
        QFETCH(QString, event);
        QFETCH(QString, ending);
        GameFixture game;
        game.content.copyFrom(game_);
        game.start();
        const QStringList happened = game.play(steps).split(QStringLiteral(" | "));
        const QStringList lines = happened.filter(QRegularExpression(QStringLiteral("^line ")));
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.constFirst().startsWith(QStringLiteral("line ") + event + ": "),
                 qPrintable(lines.constFirst()));
        QVERIFY2(happened.filter(QStringLiteral("warning")).isEmpty(),
                 qPrintable(happened.join(QLatin1Char('\n'))));
        QVERIFY2(game.state().startsWith(ending), qPrintable(game.state()));
        // Every picture shown is described, a face first by whose face it is.
        QVERIFY(!game.fom().Img->description().isEmpty());
        if (event.startsWith("char")) {
            const QString face = text::readPictureDescription(game_ + "/dat2/" + event[4] + ".bmp");
            QVERIFY2(face.startsWith(QString("人物 ") + event[4] + " の顔"), qPrintable(face));
        }
    }

    // The folder named, and what the row makes in the scratch folder before the command runs:
    // nothing, a folder (a path ending in "/") or a file.
    void refusesAFolderThatHoldsAnything_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("made");
        QTest::addColumn<int>("exitCode");
        const auto row = [](const char* name, const char* folder, const char* made, int exitCode) {
            QTest::newRow(name) << QString(folder) << QString(made) << exitCode;
        };
        row("a missing folder is made, with its parents", "deep/er/story", "", 0);
        row("an empty folder is used", "story", "story/", 0);
        row("a file in it", "story", "story/notes.txt", 2);
        row("a hidden file in it", "story", "story/.keep", 2);
        row("an empty folder in it", "story", "story/drafts/", 2);
        row("a file of that name", "story", "story", 2);
    }
    void refusesAFolderThatHoldsAnything() {
        QFETCH(QString, folder);
        QFETCH(QString, made);
        QFETCH(int, exitCode);
        QTemporaryDir scratch;
        const QString path = scratch.filePath(made);
        if (made.endsWith('/')) {
            QVERIFY(QDir().mkpath(path));
        } else if (!made.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()) &&
                    QFile(path).open(QIODevice::WriteOnly));
        }
        folder = scratch.filePath(folder);
        const QStringList entries = folderSnapshot(scratch.path());

        const ToolRun run = runTool(tool, {QStringLiteral("new"), folder});
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode == 0) {
            QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("README.txt"))).isFile());
        } else {
            QVERIFY2(run.err.startsWith(QStringLiteral("zoa-content new: ")), qPrintable(run.err));
            QCOMPARE(folderSnapshot(scratch.path()), entries);
        }
    }

private:
    QTemporaryDir scratch_;
    QString sources_;
    QString game_;
};

QTEST_MAIN(NewTest)
#include "new_test.moc"
