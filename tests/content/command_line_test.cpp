// zoa-content's command lines that cannot run: status 2 and the reason on standard error, nothing
// on standard output, and no window (no window platform could load one).
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mistakesStopTheTool_data() {
        QTest::addColumn<QString>("arguments"); // "<F>" stands for a content folder
        QTest::addColumn<QString>("reason");    // the first line on standard error
        QTest::addColumn<int>("lines");         // on standard error
        QTest::newRow("no command") << ""
                                    << "usage: zoa-content <command> <arguments>" << 20;
        QTest::newRow("unknown command") << "unpack"
                                         << "zoa-content: unknown command \"unpack\"" << 22;
        QTest::newRow("pack without folders") << "pack"
                                              << "usage: zoa-content pack <sources> <folder>" << 1;
        QTest::newRow("check: unknown option")
            << "check <F> --fast"
            << "zoa-content check: unknown option \"--fast\"" << 2;
        QTest::newRow("check: plays not a number")
            << "check <F> --plays many"
            << "zoa-content check: --plays takes a whole number from 0 to 100000000, not \"many\""
            << 2;
        QTest::newRow("check: too many plays")
            << "check <F> --plays 100000001"
            << "zoa-content check: --plays takes a whole number from 0 to 100000000, not "
               "\"100000001\""
            << 2;
        QTest::newRow("check: folder without dat1")
            << "check <F>/dat2"
            << "zoa-content check: <F>/dat2 holds no dat1/ folder" << 2;
        QTest::newRow("map: neither svg nor png")
            << "map <F> -o <F>/story.pdf"
            << "zoa-content map: the map is written as .svg or .png, not \"<F>/story.pdf\"" << 1;
        QTest::newRow("map: no step is under 1%")
            << "map <F> --steps 0"
            << "zoa-content map: --steps takes a whole percentage from 1 to 100, not \"0\"" << 1;
        QTest::newRow("map: folder without dat1")
            << "map <F>/dat2"
            << "zoa-content map: <F>/dat2 holds no dat1/ folder" << 1;
        QTest::newRow("play: no event") << "play"
                                        << "zoa-content play: no event given" << 1;
        const QString never = "zoa-content play: the game's rules never start an event ";
        QTest::newRow("play: no character 5") << "play char50 <F>" << never + "\"char50\"" << 1;
        QTest::newRow("play: character 2 has no scene 10")
            << "play char210 <F>" << never + "\"char210\"" << 1;
        QTest::newRow("play: character 1 has no scene 0")
            << "play char10 <F>" << never + "\"char10\"" << 1;
        const QString counters = "zoa-content play: --affinity takes five whole numbers from 0 to "
                                 "255 separated by commas, not ";
        QTest::newRow("play: four counters")
            << "play char25 <F> --affinity 1,2,3,4" << counters + "\"1,2,3,4\"" << 1;
        QTest::newRow("play: counter past 255")
            << "play char25 <F> --affinity=0,256,0,0,0" << counters + "\"0,256,0,0,0\"" << 1;
        QTest::newRow("play: answer count past 255")
            << "play char25 <F> --answers 256"
            << "zoa-content play: --answers takes a whole number from 0 to 255, not \"256\"" << 1;
        QTest::newRow("play: folder without dat1")
            << "play char25 <F>/dat2"
            << "zoa-content play: <F>/dat2 holds no dat1/ folder" << 1;
    }
    void mistakesStopTheTool() {
        QFETCH(QString, arguments);
        QFETCH(QString, reason);
        QFETCH(int, lines);
        TestContent content;
        arguments.replace("<F>", content.folder());
        const ToolRun run =
            runTool(ZOA_CONTENT_TOOL, arguments.split(' ', Qt::SkipEmptyParts), true);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err.section('\n', 0, 0), reason.replace("<F>", content.folder()));
        QCOMPARE(run.err.count('\n'), lines);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
