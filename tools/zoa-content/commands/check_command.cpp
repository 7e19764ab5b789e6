#include "commands/check_command.h"

#include "checks/json_output.h"
#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "figures/story_figures.h"

#include <cstdio>

namespace content {

namespace {

constexpr qulonglong maxPlays = 100000000;
constexpr qulonglong maxSeed = 0xFFFFFFFFu;

void printCheckUsage(std::FILE* stream) {
    std::fprintf(stream, "usage: zoa-content check [FOLDER] [--json] [--plays N] [--seed S]\n");
}

} // namespace

QString parseCheckArguments(const QStringList& arguments, const QString& programFolder,
                            CheckCommand* command) {
    ArgumentReader reader(
        {QStringLiteral("--json"), QStringLiteral("--help"), QStringLiteral("-h")},
        {QStringLiteral("--plays"), QStringLiteral("--seed")});
    const QString problem = reader.read(arguments);
    if (!problem.isEmpty()) {
        return problem;
    }
    command->json = reader.has(QStringLiteral("--json"));
    command->help = reader.has(QStringLiteral("--help")) || reader.has(QStringLiteral("-h"));
    qulonglong plays = static_cast<qulonglong>(command->options.plays);
    qulonglong seed = command->options.seed;
    for (const QString& wrong : {numberOption(reader, QStringLiteral("--plays"), maxPlays, &plays),
                                 numberOption(reader, QStringLiteral("--seed"), maxSeed, &seed)}) {
        if (!wrong.isEmpty()) {
            return wrong;
        }
    }
    command->options.plays = static_cast<int>(plays);
    command->options.seed = static_cast<std::uint32_t>(seed);
    if (reader.names().size() > 1) {
        return QStringLiteral("more than one folder given");
    }
    command->options.folder = reader.names().isEmpty() ? defaultContentFolder(programFolder)
                                                       : reader.names().constFirst();
    return command->help ? QString() : checkContentFolder(command->options.folder);
}

int runCheckCommand(const QStringList& arguments, const QString& programFolder) {
    CheckCommand command;
    const QString problem = parseCheckArguments(arguments, programFolder, &command);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zoa-content check: %s\n", qUtf8Printable(problem));
        printCheckUsage(stderr);
        return usageError;
    }
    if (command.help) {
        printCheckUsage(stdout);
        return 0;
    }
    const QList<Diagnostic> diagnostics = checkContent(command.options);
    const SeverityCounts counts = countSeverities(diagnostics);
    if (command.json) {
        std::fputs(diagnosticsToJson(diagnostics).constData(), stdout);
    } else {
        printDiagnostics(diagnostics, stdout);
        std::printf("%s\n", qUtf8Printable(storyLengthLine(storyFigures())));
        std::printf("%s\n", qUtf8Printable(summaryLine(counts)));
    }
    return counts.errors > 0 ? contentError : 0;
}

} // namespace content
