// zoa-content: the story author's tool. Each command takes its own arguments; exit status 0
// on success, 1 when the content has errors, 2 when the command line is wrong.
#include "commands/check_command.h"
#include "commands/exit_status.h"
#include "commands/map_command.h"
#include "commands/new_command.h"
#include "commands/pack_command.h"
#include "commands/play_command.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

// Every command, in the order the usage text lists them.
const content::Command* const commands[] = {
    &content::newCommand, &content::packCommand, &content::checkCommand,
    &content::mapCommand, &content::playCommand,
};

void printOverview(std::FILE* stream) {
    std::fprintf(stream, "usage: zoa-content <command> <arguments>\n\ncommands:\n");
    for (const content::Command* command : commands) {
        std::fprintf(stream, "  %s %s\n      %s\n", command->name, command->arguments,
                     command->summary);
    }
    std::fprintf(stream, "\nevery command takes --help; see zoa-content(1) for details\n");
}

bool asksForHelp(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--")) {
            return false;
        }
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    QString programFolder;
    {
        // Read before each command makes the application it needs ("play" a window's).
        QCoreApplication reading(argc, argv);
        arguments = QCoreApplication::arguments().mid(1);
        programFolder = QCoreApplication::applicationDirPath();
    }
    if (arguments.isEmpty()) {
        printOverview(stderr);
        return content::usageError;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || asksForHelp({name})) {
        printOverview(stdout);
        return 0;
    }
    for (const content::Command* command : commands) {
        if (name != QLatin1String(command->name)) {
            continue;
        }
        if (asksForHelp(arguments)) {
            content::printUsage(*command, stdout);
            return 0;
        }
        return command->run({*command, arguments, programFolder, argc, argv});
    }
    std::fprintf(stderr, "zoa-content: unknown command \"%s\"\n\n", qUtf8Printable(name));
    printOverview(stderr);
    return content::usageError;
}
