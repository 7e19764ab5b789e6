// zoa-content check as authors meet it: a story made by new, and the game folder packed from it,
// with one mistake at a time, each found at the author's file and line with its severity and a
// word of its hint, and nothing else found. Then the sounds as the game opens them, the demo, the
// simulation, JSON, and zoa-content's command lines.
#include "checks/check.h"
#include "checks/game_windows.h"
#include "checks/media_checks.h"
#include "media/sdl_media_service.h"
#include "pack/story_content.h"
#include "pack/story_pack.h"
#include "support/test_content.h"
#include "support/tool_run.h"

#include <QBuffer>
#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString demoFolder = QStringLiteral(ZOA_DEMO_FOLDER);
const QString tool = QStringLiteral(ZOA_CONTENT_TOOL);

struct Run : ToolRun {
    // The output lines without the figures and the summary.
    QStringList findings() const {
        return out.split('\n', Qt::SkipEmptyParts)
            .filter(QRegularExpression("^(?!zoa-content check: )"));
    }
};

Run runCheck(const QStringList& arguments) {
    return {runTool(tool, QStringList{"check"} + arguments)};
}

void copyTree(const QString& from, const QString& to) {
    for (QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories); files.hasNext();) {
        const QString target = to + files.next().mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(files.filePath(), target);
    }
}

// A script of the new story's char21 with the lines given, and a choice.
QByteArray script(const QString& lines) {
    return (lines + "\n>\nyes\nno\n").toUtf8();
}

QByteArray png(QSize size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImage(size, QImage::Format_RGB32).save(&buffer, "PNG");
    return bytes;
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(runTool(tool, {"new", scratch_.filePath("story")}).exitCode == 0);
        QVERIFY(!content::hasErrors(
            content::packStory(scratch_.filePath("story"), scratch_.filePath("game")).diagnostics));
    }

    // Each row: a file of the story (below story/, pictures/) or of its game folder (dat1/,
    // dat2/) written with the bytes, removed ("-"), or renamed ("old>new"); then every finding,
    // as the start of its line and a word of its message.
    void authorsMistakesAreFound_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("findings");
        const auto row = [](const char* name, const char* file, const QByteArray& bytes,
                            const QStringList& findings) {
            QTest::newRow(name) << QString(file) << bytes << findings;
        };
        const char* script21 = "story/char21.txt";
        row("a new story is clean", "", {}, {});
        for (const char* head : {"IMG", "Img", "ｉｍｇ"}) {
            row(head, script21, script(QString(head) + "[char2]\ntext"),
                {"story/char21.txt:1: warning: | as \"img\""});
        }
        row("blank before img", script21, script(" img[char2]\ntext"),
            {"story/char21.txt:1: warning: |without blanks"});
        row("second picture line", script21, script("img[char2]\nimg[char2]\ntext"),
            {"story/char21.txt:2: warning: |between the two"});
        row("picture line last", script21, "text\nimg[char2]\n",
            {"story/char21.txt:2: error: |must follow",
             "story/char21.txt:2: warning: |no choice block"});
        row("blank before >", script21, "text\n >\nyes\nno\n",
            {"story/char21.txt:2: warning: |without blanks"});
        row("full-width >", script21, "text\n＞\nyes\nno\n",
            {"story/char21.txt:2: warning: |half-width \">\""});
        row("> after a picture line", script21, "img[char2]\n>\n>\nyes\nno\n",
            {"story/char21.txt:2: warning: |put a line of text"});
        row("picture name with extension", script21, script("img[char2.png]\ntext"),
            {"story/char21.txt:1: error: |write img[char2]"});
        row("picture name cut", script21, script("img[char2\ntext"),
            {"story/char21.txt:1: error: |\"char\" for the picture's name"});
        row("picture name misspelt", script21, script("img[chr2]\ntext"),
            {"story/char21.txt:1: error: |pictures/chr2.png (or another picture format); did "
             "you mean \"char2\"?"});
        row("line wider than the text window", script21, script(QString(270, u'あ')),
            {"story/char21.txt:1: warning: |breaks it after column 2"});
        row("caption wider than its box", script21,
            "text\n>\n" + QString(60, u'答').toUtf8() + "\nno",
            {"story/char21.txt:3: warning: |caption does not fit its box"});
        row("script named amiss", "story/char25.txt>story/chr25.txt", {},
            {"story/char25.txt: error: |13.10% of stories; story/chr25.txt is there",
             "story/chr25.txt: warning: |did you mean \"char25\"?"});
        row("script of no event", "story/market.txt", script("text"),
            {"story/market.txt: warning: |never played"});
        row("picture of another shape", "pictures/char2.png", png({64, 48}),
            {"pictures/char2.png: warning: |501×501"});
        row("source in Shift-JIS", script21,
            QByteArray::fromHex("82b182f182c982bf82cd0d0a3e0d0a82cd82a20d0a82a282a282a60d0a"),
            {"story/char21.txt: note: |Shift-JIS"});
        row("source in UTF-16", script21,
            QByteArray("\xFF\xFE") + QByteArray("t\0e\0x\0t\0\n\0>\0\n\0a\0\n\0b\0", 20),
            {"story/char21.txt: note: |UTF-16"});
        row("source in no encoding known", script21, "ok\n\xFF\xFE bad\n>\nyes\nno\n",
            {"story/char21.txt:2:1: error: |not UTF-8"});
        row("picture missing", "-pictures/char3.png", {},
            {"pictures/char3.png: error: |81.41% of stories"});
        row("description of no picture", "pictures/chr2.description", "橋",
            {"pictures/chr2.description: warning: |no picture \"chr2\"; did you mean \"char2\"?"});
        row("picture without description", "-pictures/char2.description", {},
            {"pictures/char2.description: note: |picture \"char2\" has no description"});
        row("description in Shift-JIS", "pictures/char2.description", "\x89\xCE\x82\xCC\x8B\xB4",
            {"pictures/char2.description: warning: |saved as Shift-JIS"});
        row("picture named amiss", "pictures/a_1.png>pictures/A_1.png", {},
            {"pictures/a_1.png: error: |59.04% of stories; pictures/A_1.png is there"});
        row("script missing", "-story/char25.txt", {},
            {"story/char25.txt: error: |13.10% of stories"});
        row("long play's script missing", "-story/char315.txt", {},
            {"story/char315.txt: warning: |0.0002737% of stories"});
        row("choice with one caption", script21, "text\n>\nyes\n",
            {"story/char21.txt:2: error: |found 1"});
        row("lines after the choice", script21, script("text") + "more\n",
            {"story/char21.txt:5: note: |never read"});

        const char* dat1 = "dat1/char21.txt";
        const QByteArray choice = "\r\n>\r\nyes\r\nno\r\n";
        row("columns count characters, not bytes", dat1, "\x93\xFA\x96\x7B\xFF\x8C\xEA" + choice,
            {"dat1/char21.txt:1: error: |column 3"});
        row("game script saved as UTF-8", dat1, "日本" + choice,
            {"dat1/char21.txt: error: |UTF-8"});
        row("lone LF stays in the line", dat1, "one\ntwo" + choice,
            {"dat1/char21.txt:1: warning: |lone LF at column 4"});
        row("line longer than the longest", dat1, QByteArray(32767, 'x') + choice,
            {"dat1/char21.txt:1: warning: |longer than 32766",
             "dat1/char21.txt:1: warning: |cut at its right edge"});
        row("title picture", "-dat2/opn.bmp", {}, {"dat2/opn.bmp: error: |the title picture"});
        row("face without description", "-dat2/3.description", {},
            {"dat2/3.description: note: |whose face it is"});
        row("description named with the picture's suffix", "dat2/char2.png.description", "橋",
            {"dat2/char2.png.description: warning: |name it char2.description"});
        row("description longer than the game reads", "dat2/char2.description",
            QString(1366, u'橋').toUtf8(), {"dat2/char2.description: warning: |4096 bytes"});
        row("unused picture that is no picture", "dat2/old.bmp", "",
            {"dat2/old.bmp: error: |not a picture the game can read"});
        row("sound cut off after its header", "dat2/se2.wav",
            QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), {"dat2/se2.wav: error: |the mixer"});
    }
    void authorsMistakesAreFound() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, findings);
        QTemporaryDir folder;
        const QString path =
            folder.filePath(file.section('>', 0, 0).remove(QRegularExpression("^-")));
        copyTree(scratch_.filePath(path.contains("/dat") ? "game" : "story"), folder.path());
        if (file.contains('>')) {
            QVERIFY(QFile::rename(path, folder.filePath(file.section('>', 1))));
        } else if (file.startsWith('-')) {
            QVERIFY(QFile::remove(path));
        } else if (!file.isEmpty()) {
            QFile written(path);
            QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
        }
        content::StoryContent story(folder.path());
        story.pack();
        const content::CheckOptions options{&windows_};
        QStringList found;
        media::SdlMediaService sounds(media::SdlMediaService::defaultMaxEffectBytes, "dummy");
        for (const content::Diagnostic& finding : content::checkStory(story, options, &sounds)) {
            found.append(finding.toString().remove(folder.path() + '/'));
        }
        QCOMPARE(found.size(), findings.size());
        for (qsizetype i = 0; i < found.size(); ++i) {
            QVERIFY2(found[i].startsWith(findings[i].section('|', 0, 0)) &&
                         found[i].contains(findings[i].section('|', 1)),
                     qPrintable(found[i]));
        }
    }

    // Each sound is opened as the game opens it: the music is streamed, without the size limit
    // of the effects (here 1 KiB).
    void soundsAreOpenedAsTheGameOpensThem() {
        TestContent content;
        content.writeSound("bgm.wav");
        content.writeSound("se.wav");
        media::SdlMediaService sounds(1024, "dummy");
        const QList<content::Diagnostic> found =
            content::checkSounds(content::ContentFolder(content.folder()), sounds);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().file, content.dat2() + "se.wav");
    }

    // Only events that long plays reach may lack their scripts.
    void demoContentChecksClean() {
        const Run run = runCheck({demoFolder});
        QCOMPARE(run.exitCode, 0);
        const QRegularExpression longPlay("^" + QRegularExpression::escape(demoFolder) +
                                          "/dat1/char[013][1-9][0-9]+\\.txt: warning: ");
        for (const QString& finding : run.findings()) {
            QVERIFY2(longPlay.match(finding).hasMatch(), qPrintable(finding));
        }
    }

    // The same seed gives the same findings, each with the share of stories that reach it.
    void simulationIsRepeatableForASeed() {
        QTemporaryDir folder;
        copyTree(scratch_.filePath("game"), folder.path());
        QVERIFY(QFile::remove(folder.filePath("dat1/char310.txt")));
        const QStringList arguments = {folder.path(), "--plays", "10000", "--seed", "7"};
        const Run first = runCheck(arguments);
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(runCheck(arguments).out, first.out);
        QVERIFY2(
            first.findings().indexOf(QRegularExpression(
                ".*/dat1/char310\\.txt: warning: missing script for event \"char310\": reached "
                "in 0\\.04219% of stories \\(in \\d+ of 10000 simulated stories\\)$")) == 0,
            qPrintable(first.out));
    }

    // The summary counts each severity; JSON holds the same findings. An empty folder has no
    // figures.
    void summaryAndJsonHoldTheFindings() {
        QTemporaryDir folder;
        copyTree(scratch_.filePath("game"), folder.path());
        QFile script(folder.filePath("dat1/char25.txt"));
        QVERIFY(script.open(QIODevice::WriteOnly) &&
                script.write("one\ntwo\r\nimg[zoa]\r\n>\r\n>\r\nyes\r\n") > 0);
        script.close();
        QVERIFY(QFile::remove(folder.filePath("dat1/char26.txt")));
        const Run text = runCheck({folder.path()});
        QVERIFY2(text.out.endsWith("\nzoa-content check: 2 errors, 2 warnings, 0 notes\n"),
                 qPrintable(text.out));
        const Run json = runCheck({folder.path(), "--json"});
        QCOMPARE(json.exitCode, 1);
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
        QCOMPARE(runCheck({scratch_.filePath("story/pictures")}).out,
                 scratch_.filePath("story/pictures") +
                     ": error: no scripts (*.txt)\n"
                     "zoa-content check: 1 error, 0 warnings, 0 notes\n");
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

private:
    QTemporaryDir scratch_;
    const content::GameWindows windows_;
};

QTEST_MAIN(CheckTest)
#include "check_test.moc"
