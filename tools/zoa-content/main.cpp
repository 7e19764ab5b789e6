// zoa-content: the story author's tool. Each subcommand takes its own arguments; exit status 0
// on success, 1 when the content has errors, 2 when the command line is wrong.
#include "checks/diagnostic.h"
#include "commands/check_command.h"
#include "commands/exit_status.h"
#include "commands/map_command.h"
#include "commands/pack.h"
#include "commands/play_command.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

namespace {

constexpr int ownArguments = -1; // the command reads its arguments itself

struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int argumentCount;
    int (*run)(const QStringList& arguments);
};

int pack(const QStringList& arguments) {
    const content::PackResult result = content::packFolder(arguments.at(0), arguments.at(1));
    content::printDiagnostics(result.diagnostics, stderr);
    return content::hasErrors(result.diagnostics) ? content::contentError : 0;
}

int check(const QStringList& arguments) {
    return content::runCheckCommand(arguments, QCoreApplication::applicationDirPath());
}

int map(const QStringList& arguments) {
    return content::runMapCommand(arguments, QCoreApplication::applicationDirPath());
}

const Command commands[] = {
    {"pack", "<sources> <folder>",
     "writes each UTF-8 script of <sources> to <folder> as code page 932 with CR LF line ends", 2,
     &pack},
    {"check", "[FOLDER] [--json] [--plays N] [--seed S]",
     "checks the scripts, pictures and sounds in FOLDER/dat1 and FOLDER/dat2 (default: the\n"
     "      installed game's folder) for what breaks a play or may; --json prints the findings\n"
     "      as JSON, --plays N simulates N stories as well to cross-check the shares of stories\n"
     "      that reach long-play events, --seed S seeds that simulation (default 1)",
     ownArguments, &check},
    {"map", "[FOLDER] [-o FILE.svg|FILE.png] [--steps PERCENT]",
     "draws the story map of FOLDER's content (default as for check) into FILE (default\n"
     "      story.svg): every event the rules reach with the share of stories that reach it,\n"
     "      missing files in red, and each step an answer takes with at least PERCENT chance\n"
     "      (default 10) marked with its chance",
     ownArguments, &map},
    {"play", "EVENT [FOLDER] [--affinity A0,A1,A2,A3,A4] [--answers N]",
     "opens the game's window over FOLDER's content (default as for check) at EVENT, with the\n"
     "      character counters and the answer count given (default 0), to play on from there",
     ownArguments, nullptr},
};

void printUsage(std::FILE* stream) {
    std::fprintf(stream, "usage: zoa-content <command> <arguments>\n\ncommands:\n");
    for (const Command& command : commands) {
        std::fprintf(stream, "  %s %s\n      %s\n", command.name, command.arguments,
                     command.summary);
    }
    std::fprintf(stream, "\nsee zoa-content(1) for details\n");
}

} // namespace

int main(int argc, char* argv[]) {
    // "play" opens the game's window, so it makes an application of its own.
    if (argc > 1 && std::strcmp(argv[1], "play") == 0) {
        return content::runPlayCommand(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        printUsage(stderr);
        return content::usageError;
    }
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help")) {
        printUsage(stdout);
        return 0;
    }
    for (const Command& command : commands) {
        if (name != QLatin1String(command.name)) {
            continue;
        }
        if (command.argumentCount != ownArguments && arguments.size() != command.argumentCount) {
            std::fprintf(stderr, "usage: zoa-content %s %s\n", command.name, command.arguments);
            return content::usageError;
        }
        return command.run(arguments);
    }
    std::fprintf(stderr, "zoa-content: unknown command \"%s\"\n\n", qUtf8Printable(name));
    printUsage(stderr);
    return content::usageError;
}
