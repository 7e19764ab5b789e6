#include "commands/map_command.h"

#include "checks/content_folder.h"
#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "commands/pack.h"
#include "figures/story_figures.h"
#include "figures/story_map.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace content {

namespace {

struct MapArguments {
    QString folder; // holds dat1/ and dat2/
    QString output = QStringLiteral("story.svg");
    QString format = QStringLiteral("svg"); // "svg" or "png", from the output's name
    double smallestStep = 0.1;              // steps less likely are left out
};

// Returns an empty text, or what is wrong with the arguments.
QString parseMapArguments(const CommandLine& line, MapArguments* parsed) {
    ArgumentReader reader(
        {}, {QStringLiteral("-o"), QStringLiteral("--output"), QStringLiteral("--steps")});
    const QString problem = reader.read(line.arguments);
    if (!problem.isEmpty()) {
        return problem;
    }
    if (reader.names().size() > 1) {
        return QStringLiteral("more than one folder given");
    }
    for (const QString& option : {QStringLiteral("-o"), QStringLiteral("--output")}) {
        if (!reader.value(option).isNull()) {
            parsed->output = reader.value(option);
        }
    }
    qulonglong percent = 10;
    if (!numberOption(reader, QStringLiteral("--steps"), 100, &percent).isEmpty() || percent == 0) {
        return QStringLiteral("--steps takes a whole percentage from 1 to 100, not \"%1\"")
            .arg(reader.value(QStringLiteral("--steps")));
    }
    parsed->smallestStep = static_cast<double>(percent) / 100;
    parsed->format = QFileInfo(parsed->output).suffix().toLower();
    if (parsed->format != QLatin1String("svg") && parsed->format != QLatin1String("png")) {
        return QStringLiteral("the map is written as .svg or .png, not \"%1\"").arg(parsed->output);
    }
    parsed->folder = reader.names().isEmpty() ? defaultContentFolder(line.programFolder)
                                              : reader.names().constFirst();
    return isSourcesFolder(parsed->folder) ? QString() : checkContentFolder(parsed->folder);
}

int runMap(const CommandLine& line) {
    QCoreApplication application(line.argc, line.argv);
    MapArguments parsed;
    const QString problem = parseMapArguments(line, &parsed);
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    const PackedSources packed(parsed.folder);
    printDiagnostics(packed.diagnostics(), stderr);
    if (packed.failed()) {
        return contentError;
    }
    const StoryMap map(storyFigures(), ContentFolder(packed.gameFolder()), parsed.smallestStep);
    const QString failure = map.render(parsed.output, parsed.format);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "zoa-content map: %s\n", qUtf8Printable(failure));
        return contentError;
    }
    return 0;
}

} // namespace

const Command mapCommand = {
    "map", "[FOLDER] [-o FILE.svg|FILE.png] [--steps PERCENT]",
    "draws the story map of FOLDER's content (default as for check) into FILE (default\n"
    "      story.svg): every event the rules reach with the share of stories that reach it,\n"
    "      missing files in red, and each step an answer takes with at least PERCENT chance\n"
    "      (default 10) marked with its chance",
    &runMap};

} // namespace content
