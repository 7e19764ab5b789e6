#include "commands/play_command.h"

#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "figures/rule_events.h"
#include "pack/pack.h"
#include "pack/play_content.h"
#include "platform/box.h"
#include "platform/host_facts.h"
#include "platform/label.h"
#include "preview/scene_replay.h"
#include "window/fom.h"
#include "window/game_run.h"

#include <QApplication>
#include <QFileInfo>

namespace content {

namespace {

constexpr qulonglong largestCounter = 255;

// The real screen, with the content of the author's folder in place of the program's.
class ContentHostFacts : public platform::QtHostFacts {
public:
    explicit ContentHostFacts(QString folder)
        : folder_(std::move(folder)) {}
    QString programFolder() const override { return folder_; }

private:
    QString folder_;
};

QString parseAffinity(const QString& text, story::Counters* affinity) {
    const QStringList numbers = text.split(QLatin1Char(','));
    bool valid = numbers.size() == story::characterCount;
    for (qsizetype i = 0; valid && i < numbers.size(); ++i) {
        qulonglong value = 0;
        valid = parseNumber(numbers.at(i), largestCounter, &value);
        (*affinity)[i] = static_cast<std::uint8_t>(value);
    }
    if (valid) {
        return {};
    }
    return QStringLiteral("--affinity takes five whole numbers from 0 to 255 separated by commas, "
                          "not \"%1\"")
        .arg(text);
}

// The game's messages name the author's files rather than the scratch copies they were packed to.
const PlayContent* playedContent = nullptr;
QtMessageHandler gameMessages = nullptr;

void nameSourcesInMessages(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    gameMessages(type, context, playedContent->nameSources(message));
}

} // namespace

QString parsePlayArguments(const QStringList& arguments, const QString& programFolder,
                           PlayCommand* command) {
    ArgumentReader reader({QStringLiteral("--watch")},
                          {QStringLiteral("--affinity"), QStringLiteral("--answers")});
    QString problem = reader.read(arguments);
    if (!problem.isEmpty()) {
        return problem;
    }
    const QStringList& names = reader.names();
    if (names.isEmpty() || names.size() > 2) {
        return names.isEmpty() ? QStringLiteral("no event given")
                               : QStringLiteral("more than one folder given");
    }
    if (!ruleEvents().contains(names.at(0))) {
        return QStringLiteral("the game's rules never start an event \"%1\"").arg(names.at(0));
    }
    command->event = ruleEvents().value(names.at(0));
    if (!reader.value(QStringLiteral("--affinity")).isNull()) {
        problem = parseAffinity(reader.value(QStringLiteral("--affinity")), &command->affinity);
    }
    qulonglong answers = 0;
    if (problem.isEmpty()) {
        problem = numberOption(reader, QStringLiteral("--answers"), largestCounter, &answers);
    }
    command->answers = static_cast<std::uint8_t>(answers);
    command->watch = reader.has(QStringLiteral("--watch"));
    const QString folder = names.size() == 2 ? names.at(1) : defaultContentFolder(programFolder);
    command->folder = QFileInfo(folder).absoluteFilePath();
    if (!problem.isEmpty() || isSourcesFolder(command->folder)) {
        return problem;
    }
    return checkContentFolder(folder);
}

void startPlay(Fom& fom, const PlayCommand& command) {
    // The event that keeps the title picture is the one the title's right button plays.
    if (command.event.picture.isEmpty()) {
        fom.affinity = command.affinity;
        fom.answerCount = command.answers;
        fom.Img_MouseDown(Qt::RightButton);
        return;
    }
    fom.resumeStory(command.affinity, command.answers, command.event.name, command.event.picture,
                    command.event.character);
}

void restartPlay(Fom& fom, const PlayCommand& command) {
    fom.scriptFile.close();
    for (int i = 0; i < 2; ++i) {
        fom.Qst[i]->hide();
        fom.QstBak[i]->hide();
    }
    fom.Form_Activate(); // back at the title, where startPlay starts
    startPlay(fom, command);
}

namespace {

// The arguments are read before the window system is reached.
int runPlay(const CommandLine& line) {
    PlayCommand command;
    const QString problem = parsePlayArguments(line.arguments, line.programFolder, &command);
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    QApplication app(line.argc, line.argv);
    PlayContent content(command.folder);
    if (!content.pack()) {
        return contentError;
    }
    playedContent = &content;
    gameMessages = qInstallMessageHandler(nameSourcesInMessages);
    ContentHostFacts host(content.gameFolder());
    return runGame(host, [&command, &content](Fom& fom) {
        startPlay(fom, command);
        if (command.watch) {
            new SceneReplay(fom, command, content);
        }
    });
}

} // namespace

const Command playCommand = {
    "play", "EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N] [--watch]",
    "opens the game's window over FOLDER's content (default as for check; a story's sources are\n"
    "      packed first) at EVENT, with the character counters and the answer count given\n"
    "      (default 0), to play on from there; with --watch, plays EVENT again from its start\n"
    "      each time a file of FOLDER is saved",
    &runPlay};

} // namespace content
