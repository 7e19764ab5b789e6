// zoa-content's command lines: every command's --help prints its usage with status 0; a command
// line that cannot run gives status 2 and the reason on standard error. No window opens (no
// window platform could load one).
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commandLinesAreAnswered_data() {
        QTest::addColumn<QString>("arguments"); // "<F>" stands for a content folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("first"); // line on standard output (status 0) or error
        const auto row = [](const char* name, const QString& arguments, int status,
                            const QString& first) {
            QTest::newRow(name) << arguments << status << first;
        };
        const QString overview = "usage: zoa-content <command> <arguments>";
        row("help", "--help", 0, overview);
        row("pack: help", "pack -h", 0, "usage: zoa-content pack <sources> <folder>");
        row("check: help", "check <F> --help", 0,
            "usage: zoa-content check [FOLDER] [--json] [--plays N] [--seed S]");
        row("map: help", "map --help", 0,
            "usage: zoa-content map [FOLDER] [-o FILE.svg|FILE.png] [--steps PERCENT]");
        row("play: help", "play --help", 0,
            "usage: zoa-content play EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N]");
        row("no command", "", 2, overview);
        row("unknown command", "unpack", 2, "zoa-content: unknown command \"unpack\"");
        row("pack without folders", "pack", 2,
            "zoa-content pack: takes a sources folder and an output folder");
        row("check: unknown option", "check <F> --fast", 2,
            "zoa-content check: unknown option \"--fast\"");
        row("check: --help as a folder after --", "check -- --help", 2,
            "zoa-content check: --help holds no dat1/ folder");
        row("check: too many plays", "check <F> --plays 100000001", 2,
            "zoa-content check: --plays takes a whole number from 0 to 100000000, not "
            "\"100000001\"");
        row("map: neither svg nor png", "map <F> -o <F>/story.pdf", 2,
            "zoa-content map: the map is written as .svg or .png, not \"<F>/story.pdf\"");
        row("map: no step is under 1%", "map <F> --steps 0", 2,
            "zoa-content map: --steps takes a whole percentage from 1 to 100, not \"0\"");
        row("map: folder without dat1", "map <F>/dat2", 2,
            "zoa-content map: <F>/dat2 holds no dat1/ folder");
        row("play: no event", "play", 2, "zoa-content play: no event given");
        const QString never = "zoa-content play: the game's rules never start an event ";
        row("play: no character 5", "play char50 <F>", 2, never + "\"char50\"");
        row("play: character 2 has no scene 10", "play char210 <F>", 2, never + "\"char210\"");
        row("play: character 1 has no scene 0", "play char10 <F>", 2, never + "\"char10\"");
        const QString counters = "zoa-content play: --affinity takes five whole numbers from 0 "
                                 "to 255 separated by commas, not ";
        row("play: four counters", "play char25 <F> --affinity 1,2,3,4", 2,
            counters + "\"1,2,3,4\"");
        row("play: counter past 255", "play char25 <F> --affinity=0,256,0,0,0", 2,
            counters + "\"0,256,0,0,0\"");
        row("play: answer count past 255", "play char25 <F> --answers 256", 2,
            "zoa-content play: --answers takes a whole number from 0 to 255, not \"256\"");
    }
    void commandLinesAreAnswered() {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, first);
        TestContent content;
        arguments.replace("<F>", content.folder());
        const ToolRun run =
            runTool(ZOA_CONTENT_TOOL, arguments.split(' ', Qt::SkipEmptyParts), true);
        QCOMPARE(run.exitCode, status);
        QCOMPARE((status == 0 ? run.err : run.out), QString());
        const QString shown = status == 0 ? run.out : run.err;
        QCOMPARE(shown.section('\n', 0, 0), first.replace("<F>", content.folder()));
        // A command's mistake is followed by the command's own usage line.
        const QString command = arguments.section(' ', 0, 0);
        if (status != 0 && first.startsWith("zoa-content " + command + ":")) {
            QVERIFY(shown.section('\n', 1, 1).startsWith("usage: zoa-content " + command + " "));
        }
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
