#include "commands/map_command.h"

#include "checks/content_folder.h"
#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "figures/story_figures.h"
#include "figures/story_map.h"

#include <QFileInfo>

#include <cstdio>

namespace content {

QString parseMapArguments(const QStringList& arguments, const QString& programFolder,
                          MapCommand* command) {
    ArgumentReader reader(
        {}, {QStringLiteral("-o"), QStringLiteral("--output"), QStringLiteral("--steps")});
    const QString problem = reader.read(arguments);
    if (!problem.isEmpty()) {
        return problem;
    }
    if (reader.names().size() > 1) {
        return QStringLiteral("more than one folder given");
    }
    for (const QString& option : {QStringLiteral("-o"), QStringLiteral("--output")}) {
        if (!reader.value(option).isNull()) {
            command->output = reader.value(option);
        }
    }
    qulonglong percent = 10;
    if (!numberOption(reader, QStringLiteral("--steps"), 100, &percent).isEmpty() || percent == 0) {
        return QStringLiteral("--steps takes a whole percentage from 1 to 100, not \"%1\"")
            .arg(reader.value(QStringLiteral("--steps")));
    }
    command->smallestStep = static_cast<double>(percent) / 100;
    command->format = QFileInfo(command->output).suffix().toLower();
    if (command->format != QLatin1String("svg") && command->format != QLatin1String("png")) {
        return QStringLiteral("the map is written as .svg or .png, not \"%1\"")
            .arg(command->output);
    }
    command->folder = reader.names().isEmpty() ? defaultContentFolder(programFolder)
                                               : reader.names().constFirst();
    return checkContentFolder(command->folder);
}

int runMapCommand(const QStringList& arguments, const QString& programFolder) {
    MapCommand command;
    const QString problem = parseMapArguments(arguments, programFolder, &command);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zoa-content map: %s\n", qUtf8Printable(problem));
        return usageError;
    }
    const StoryMap map(storyFigures(), ContentFolder(command.folder), command.smallestStep);
    const QString failure = map.render(command.output, command.format);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "zoa-content map: %s\n", qUtf8Printable(failure));
        return contentError;
    }
    return 0;
}

} // namespace content
