// zoa-content new: a new story's sources pack into a game folder that check finds clean and
// whose scenes play to their choice or back to the title; a folder that already holds anything is
// left as it was.
#include "checks/check.h"
#include "commands/pack.h"
#include "platform/sdl_media_service.h"
#include "support/game_fixture.h"
#include "support/tool_run.h"

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

    // Every event the game can start in normal play has its script and pictures, and every file
    // can be read: check finds no error and no warning.
    void newStoryChecksClean() {
        platform::SdlMediaService sounds(platform::SdlMediaService::defaultMaxEffectBytes, "dummy");
        content::CheckOptions options;
        options.folder = game_;
        const QList<content::Diagnostic> found = content::checkContent(options, sounds);
        const content::SeverityCounts counts = content::countSeverities(found);
        QVERIFY2(counts.errors == 0 && counts.warnings == 0, qPrintable(printed(found)));
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
    }

    // The folder named, as the row leaves it before the command runs: "missing" (with its
    // parents), "empty", "file" (a file of that name) or an entry made inside it (a name ending
    // in "/" is a folder).
    void refusesAFolderThatHoldsAnything_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a missing folder is made") << "missing" << 0;
        QTest::newRow("an empty folder is used") << "empty" << 0;
        QTest::newRow("a file in it") << "notes.txt" << 2;
        QTest::newRow("a hidden file in it") << ".keep" << 2;
        QTest::newRow("an empty folder in it") << "drafts/" << 2;
        QTest::newRow("a file of that name") << "file" << 2;
    }
    void refusesAFolderThatHoldsAnything() {
        QFETCH(QString, before);
        QFETCH(int, exitCode);
        QTemporaryDir scratch;
        const QString folder =
            scratch.filePath(before == QLatin1String("missing") ? QStringLiteral("deep/er/story")
                                                                : QStringLiteral("story"));
        if (before == QLatin1String("file")) {
            QFile(folder).open(QIODevice::WriteOnly);
        } else if (before != QLatin1String("missing")) {
            QVERIFY(QDir().mkpath(folder));
        }
        if (before.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir(folder).mkdir(before));
        } else if (before.contains(QLatin1Char('.'))) {
            QFile(QDir(folder).filePath(before)).open(QIODevice::WriteOnly);
        }
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
