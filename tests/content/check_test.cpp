// zoa-content check over copies of the demo content with one thing broken at a time: each finding
// is named by its place and its severity, and the exit status tells whether play breaks. Then
// zoa-content's command lines.
#include "checks/check.h"
#include "checks/media_checks.h"
#include "platform/sdl_media_service.h"
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString demoFolder = QStringLiteral(ZOA_DEMO_FOLDER);
const QString tool = QStringLiteral(ZOA_CONTENT_TOOL);

struct Run : ToolRun {
    // The output lines without the summary.
    QStringList findings() const {
        return out.split('\n', Qt::SkipEmptyParts)
            .filter(QRegularExpression("^(?!zoa-content check: )"));
    }
};

Run runCheck(const QStringList& arguments) {
    return {runTool(tool, QStringList{"check"} + arguments)};
}

// A copy of the demo content as built.
struct DemoCopy : TestContent {
    DemoCopy() { copyFrom(demoFolder); }
};

// A breakage row: a file of the demo content written with the given bytes, or removed when its
// name starts with "-"; then the findings, one a line, with paths below the content folder.
void row(const char* name, const QString& file, const QByteArray& bytes, const QString& findings,
         int exitCode) {
    QTest::newRow(name) << file << bytes << findings << exitCode;
}

const QByteArray choice = "\r\n>\r\nyes\r\nno\r\n";
const QString noChoice = ": warning: no choice block (\">\" and two captions): the game returns to "
                         "the title after this event";

} // namespace

class CheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void brokenContentIsReported_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("findings");
        QTest::addColumn<int>("exitCode");
        // Scripts and pictures the story reaches in normal play.
        for (const char* event : {"char25", "char19", "b_0", "zoa", "end"}) {
            row(event, QStringLiteral("-dat1/%1.txt").arg(event), {},
                QStringLiteral("dat1/%1.txt: error: missing script for event \"%1\", reached in "
                               "normal play")
                    .arg(event),
                1);
        }
        row("char010 comes only in long plays", "-dat1/char010.txt", {}, "", 0);
        row("face of character 4", "-dat2/4.bmp", {},
            "dat2/4.bmp: error: missing face picture \"4\", shown with event \"char40\"", 1);
        row("picture of an event and of a picture line", "-dat2/zoa.bmp", {},
            "dat1/zoa.txt:7: error: missing picture \"zoa\": no file dat2/zoa.bmp\n"
            "dat2/zoa.bmp: error: missing picture \"zoa\", shown when event \"zoa\" starts",
            1);

        // Scripts, each written in place of char25.
        const QString script = "dat1/char25.txt";
        const QString at = "dat1/char25.txt:";
        row("columns count characters, not bytes", script, "\x93\xFA\x96\x7B\xFF\x8C\xEA" + choice,
            at + "1: error: byte not in code page 932 at column 3", 1);
        row("picture line too short", script, "img[\r\ntext" + choice,
            at + "1: error: picture line too short to name a picture (write img[NAME])", 1);
        row("picture line naming no file", script, "img[nothere]\r\ntext" + choice,
            at + "1: error: missing picture \"nothere\": no file dat2/nothere.bmp", 1);
        row("picture line as the last line", script, "text\r\nimg[zoa]\r\n",
            "dat1/char25.txt" + noChoice + "\n" + at +
                "2: error: picture line is the last line: a line of text must follow it",
            1);
        row("choice marker right after a picture line", script,
            "img[zoa]\r\n>\r\n>\r\nyes\r\nno\r\n",
            at + "2: warning: \">\" right after a picture line: it is typed as text when played "
                 "but opens the choice when skipped",
            0);
        row("line after a picture line is text whatever it holds", script,
            "img[zoa]\r\nimg[nothere]" + choice, "", 0);
        row("choice marker with one caption", script, "text\r\n>\r\nyes\r\n",
            at + "2: error: choice marker needs two caption lines after it, found 1", 1);
        row("lines after the choice block", script, "text" + choice + "more\r\nand more\r\n",
            at + "5: note: 2 lines after the choice block, never read", 0);
        row("lone LF stays in the line", script, "one\ntwo" + choice,
            at + "1: warning: lone LF at column 4: only CR LF or CR end a line, so the game keeps "
                 "it inside the line",
            0);
        row("lone CR ends a line", script, "one\rtwo\r>\ryes\rno", "", 0);
        row("line longer than the longest", script, QByteArray(32767, 'x') + choice,
            at + "1: warning: line of 32767 characters, longer than 32766", 0);
        row("line of the longest length", script, QByteArray(32766, 'x') + choice, "", 0);
        row("script without a choice", script, "text\r\n", "dat1/char25.txt" + noChoice, 0);
        row("end needs no choice", "dat1/end.txt", "good night\r\n", "", 0);
        row("a script no event starts is checked too", "dat1/extra.txt", "text\r\n",
            "dat1/extra.txt" + noChoice, 0);

        // Pictures and sounds.
        row("title picture", "-dat2/opn.bmp", {},
            "dat2/opn.bmp: error: missing opn.bmp (the title picture)", 1);
        row("music", "-dat2/bgm.wav", {}, "dat2/bgm.wav: error: missing bgm.wav (the music)", 1);
        row("unused picture that is no picture", "dat2/old.bmp", "",
            "dat2/old.bmp: error: not a picture the game can read", 1);
        row("sound cut off after its header", "dat2/se2.wav",
            QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16),
            "dat2/se2.wav: error: not a sound the game can play (a RIFF WAVE file the mixer can "
            "load)",
            1);
    }

    void brokenContentIsReported() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, findings);
        QFETCH(int, exitCode);
        DemoCopy content;
        if (file.startsWith('-')) {
            content.remove(file.mid(1));
        } else {
            content.writeFile(file, bytes);
        }
        const Run run = runCheck({content.folder(), "--plays", "0"});
        QCOMPARE(run.findings().join('\n').replace(content.folder() + "/", ""), findings);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, exitCode);
    }

    // Each sound is opened as the game opens it: the music is streamed, without the size limit
    // of the effects (here 1 KiB).
    void soundsAreOpenedAsTheGameOpensThem() {
        TestContent content;
        content.writeSound("bgm.wav");
        content.writeSound("se.wav");
        platform::SdlMediaService sounds(1024, "dummy");
        const QList<content::Diagnostic> found =
            content::checkSounds(content::ContentFolder(content.folder()), sounds);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().file, content.dat2() + "se.wav");
    }

    void demoContentChecksClean() {
        const Run run = runCheck({demoFolder});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        // Only events that long plays reach may lack their scripts.
        const QRegularExpression longPlay(
            "^" + QRegularExpression::escape(demoFolder) +
            "/dat1/(char[013][1-9][0-9]+)\\.txt: warning: \\1\\.txt missing: reached in ");
        for (const QString& finding : run.findings()) {
            QVERIFY2(longPlay.match(finding).hasMatch(), qPrintable(finding));
        }
        QVERIFY(run.out.endsWith(" 0 errors, " + QString::number(run.findings().size()) +
                                 (run.findings().size() == 1 ? " warning" : " warnings") +
                                 ", 0 notes\n"));
    }

    void simulationIsRepeatableForASeed() {
        DemoCopy content;
        content.remove("dat1/char310.txt");
        const QStringList arguments = {content.folder(), "--plays", "10000", "--seed", "7"};
        const Run first = runCheck(arguments);
        const Run second = runCheck(arguments);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(second.out, first.out);
        const QRegularExpression warning(
            "^" + QRegularExpression::escape(content.folder()) +
            "/dat1/char310\\.txt: warning: char310\\.txt missing: reached in 0\\.04219% of "
            "stories \\(in \\d+ of 10000 simulated stories\\)$");
        QVERIFY2(first.findings().indexOf(warning) >= 0, qPrintable(first.out));
    }

    // The summary counts each severity; JSON holds the same findings.
    void summaryAndJsonHoldTheFindings() {
        DemoCopy content;
        content.writeFile("dat1/char25.txt", "one\ntwo\r\nimg[zoa]\r\n>" + choice + "x");
        content.remove("dat1/char26.txt");
        content.writeFile("dat1/char27.txt", "\"quoted\\\" \x82\r\n");
        const Run text = runCheck({content.folder(), "--plays", "0"});
        QVERIFY2(text.out.endsWith("\nzoa-content check: 2 errors, 3 warnings, 1 note\n"),
                 qPrintable(text.out));
        const Run json = runCheck({content.folder(), "--plays", "0", "--json"});
        QCOMPARE(json.exitCode, text.exitCode);
        QStringList lines;
        for (const QJsonValue& value : QJsonDocument::fromJson(json.out.toUtf8()).array()) {
            const QJsonObject object = value.toObject();
            const int line = object.value("line").toInt();
            lines << object.value("file").toString() +
                         (line > 0 ? ":" + QString::number(line) : "") + ": " +
                         object.value("severity").toString() + ": " +
                         object.value("message").toString();
        }
        QCOMPARE(lines, text.findings());
        QCOMPARE(lines.size(), 6);
    }

    // Every command's --help prints its usage with status 0; a command line that cannot run gives
    // status 2 and the reason on standard error. No window opens (no window platform could load).
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
        row("pack: help", "pack -h", 0, "usage: zoa-content pack SOURCES -o FOLDER");
        row("new: help", "new --help", 0, "usage: zoa-content new FOLDER");
        row("check: help", "check <F> --help", 0,
            "usage: zoa-content check [FOLDER] [--json] [--plays N] [--seed S]");
        row("map: help", "map --help", 0,
            "usage: zoa-content map [FOLDER] [-o FILE.svg|FILE.png] [--size WIDTHxHEIGHT] "
            "[--steps PERCENT]");
        row("play: help", "play --help", 0,
            "usage: zoa-content play EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N] "
            "[--watch]");
        row("no command", "", 2, overview);
        row("unknown command", "unpack", 2, "zoa-content: unknown command \"unpack\"");
        row("pack without folders", "pack", 2,
            "zoa-content pack: takes a sources folder and -o FOLDER");
        row("check: unknown option", "check <F> --fast", 2,
            "zoa-content check: unknown option \"--fast\"");
        row("check: --help as a folder after --", "check -- --help", 2,
            "zoa-content check: no such folder \"--help\"");
        for (const char* command : {"check", "map", "pack -o <F>/game", "play zoa"}) {
            const QString name = QString(command).section(' ', 0, 0);
            row(qPrintable(name + ": a file as the folder"), QString(command) + " <F>/dat2/opn.bmp",
                2, "zoa-content " + name + ": \"<F>/dat2/opn.bmp\" is a file, not a folder");
        }
        row("map: into a missing folder", "map <F> -o /no/such/folder/map.png", 1,
            "zoa-content map: cannot write /no/such/folder/map.png: No such file or directory");
        row("play: no window system", "play zoa <F>", 1,
            "zoa-content play: cannot open the game's window: Could not find the Qt platform "
            "plugin \"none-such\" in \"\"");
        row("check: too many plays", "check <F> --plays 100000001", 2,
            "zoa-content check: --plays takes a whole number from 0 to 100000000, not "
            "\"100000001\"");
        row("map: neither svg nor png", "map <F> -o <F>/story.pdf", 2,
            "zoa-content map: the map is written as .svg or .png, not \"<F>/story.pdf\"");
        row("map: no step is under 1%", "map <F> --steps 0", 2,
            "zoa-content map: --steps takes a whole percentage from 1 to 100, not \"0\"");
        const QString size = "zoa-content map: --size takes WIDTHxHEIGHT in pixels, such as "
                             "1920x1080, not ";
        for (const char* wrong :
             {"1920", "1920x", "0x1080", "1920x1080x2", "+1920x1080", "100001x1080"}) {
            row(qPrintable(QString("map: size ") + wrong),
                QString("map <F> -o <F>/m.png --size ") + wrong, 2, size + '"' + wrong + '"');
        }
        row("map: size of an SVG", "map <F> --size 1920x1080", 2,
            "zoa-content map: --size is for a .png map");
        row("play: no event", "play", 2, "zoa-content play: no event given");
        const QString never = "zoa-content play: the game's rules never start an event ";
        row("play: no character 5", "play char50 <F>", 2, never + "\"char50\"");
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
        if (status == 2 && first.startsWith("zoa-content " + command + ":")) {
            QVERIFY(shown.section('\n', 1, 1).startsWith("usage: zoa-content " + command + " "));
        }
    }
};

QTEST_GUILESS_MAIN(CheckTest)
#include "check_test.moc"
