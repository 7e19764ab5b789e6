#include "commands/play_command.h"

#include "checks/game_windows.h"
#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "figures/rule_events.h"
#include "host/host_facts.h"
#include "pack/story_content.h"
#include "preview/scene_replay.h"
#include "window/game_run.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace content {

namespace {

constexpr qulonglong largestCounter = 255;

// The real screen, with the content of the author's folder in place of the program's.
class ContentHostFacts : public host::QtHostFacts {
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

// While it lives, the game's messages name the author's files rather than the scratch copies
// they were packed to; then the handler before it comes back.
class SourceNamedMessages {
public:
    explicit SourceNamedMessages(const StoryContent& content) {
        content_ = &content;
        previous_ = qInstallMessageHandler(&nameSources);
    }
    ~SourceNamedMessages() {
        qInstallMessageHandler(previous_);
        content_ = nullptr;
    }
    SourceNamedMessages(const SourceNamedMessages&) = delete;
    SourceNamedMessages& operator=(const SourceNamedMessages&) = delete;

private:
    static void nameSources(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
        previous_(type, context, content_->nameSources(message));
    }
    static inline const StoryContent* content_ = nullptr;
    static inline QtMessageHandler previous_ = nullptr;
};

// Qt ends the program when no window system can be reached (no display, or no platform plugin
// for it). Told so by Qt's fatal message, the command says it in one line of its own and ends
// with contentError; Qt's warnings before it give the reason.
QString windowSystemReason;

void windowSystemMissing(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        if (windowSystemReason.isEmpty()) {
            windowSystemReason = message.trimmed();
        }
        return;
    }
    std::fprintf(stderr, "zoa-content play: cannot open the game's window: %s\n",
                 qUtf8Printable(windowSystemReason.isEmpty() ? QStringLiteral("no window system")
                                                             : windowSystemReason));
    std::_Exit(contentError);
}

std::unique_ptr<QApplication> openWindowSystem(const CommandLine& line) {
    const QtMessageHandler previous = qInstallMessageHandler(&windowSystemMissing);
    auto application = std::make_unique<QApplication>(line.argc, line.argv);
    qInstallMessageHandler(previous);
    return application;
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
    command->folder = folder;
    return problem.isEmpty() ? checkContentFolder(folder) : problem;
}

namespace {

// The arguments are read before the window system is reached.
int runPlay(const CommandLine& line) {
    PlayCommand command;
    const QString problem = parsePlayArguments(line.arguments, line.programFolder, &command);
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    const std::unique_ptr<QApplication> application = openWindowSystem(line);
    StoryContent content(command.folder);
    const bool packed = content.pack();
    printDiagnostics(content.packDiagnostics(), stderr);
    if (!packed) {
        return contentError;
    }
    const SourceNamedMessages messages(content);
    ContentHostFacts host(content.gameFolder());
    std::optional<GameWindows> windows;
    if (command.watch) {
        windows.emplace();
    }
    return runGame(host, [&command, &content, &windows](Fom& fom) {
        startPlay(fom, command);
        if (command.watch) {
            new SceneReplay(fom, command, content, &*windows);
        }
    });
}

} // namespace

const Command playCommand = {
    "play", "EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N] [--watch]",
    "opens the game's window over FOLDER's content (default as for check; a story's sources are\n"
    "      packed first) at EVENT, with the character counters and the answer count given\n"
    "      (default 0), to play on from there; with --watch, at each save of a script, picture,\n"
    "      description or sound of FOLDER, tells what check finds in it, shows its errors over\n"
    "      the window and plays again the scene of the script saved (else the scene being\n"
    "      played)",
    &runPlay};

} // namespace content
