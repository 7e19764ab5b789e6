#include "commands/map_command.h"

#include "checks/content_folder.h"
#include "commands/command_line.h"
#include "commands/exit_status.h"
#include "figures/story_figures.h"
#include "map/story_map.h"
#include "pack/story_content.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QSize>

#include <cstdio>

namespace content {

namespace {

struct MapArguments {
    QString folder; // holds dat1/ and dat2/
    QString output = QStringLiteral("story.svg");
    QString format = QStringLiteral("svg"); // "svg" or "png", from the output's name
    double smallestStep = 0.1;              // steps less likely are left out
    QSize size;                             // of the PNG; empty: as Graphviz draws it
};

// The largest picture asked for, on either side.
constexpr qulonglong largestSide = 100000;

// "WIDTHxHEIGHT" in pixels, or an invalid size.
QSize parseSize(const QString& text) {
    const QStringList sides = text.split(QLatin1Char('x'));
    qulonglong width = 0;
    qulonglong height = 0;
    if (sides.size() != 2 || !parseNumber(sides[0], largestSide, &width) ||
        !parseNumber(sides[1], largestSide, &height) || width == 0 || height == 0) {
        return {};
    }
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

QString parseSizeOption(const ArgumentReader& reader, MapArguments* parsed) {
    const QString size = reader.value(QStringLiteral("--size"));
    if (size.isNull()) {
        return {};
    }
    if (parsed->format != QLatin1String("png")) {
        return QStringLiteral("--size is for a .png map");
    }
    parsed->size = parseSize(size);
    return parsed->size.isValid()
               ? QString()
               : QStringLiteral("--size takes WIDTHxHEIGHT in pixels, such as 1920x1080, not "
                                "\"%1\"")
                     .arg(size);
}

// Returns an empty text, or what is wrong with the arguments.
QString parseMapArguments(const CommandLine& line, MapArguments* parsed) {
    ArgumentReader reader({}, {QStringLiteral("-o"), QStringLiteral("--output"),
                               QStringLiteral("--steps"), QStringLiteral("--size")});
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
    const QString sizeProblem = parseSizeOption(reader, parsed);
    if (!sizeProblem.isEmpty()) {
        return sizeProblem;
    }
    parsed->folder = reader.names().isEmpty() ? defaultContentFolder(line.programFolder)
                                              : reader.names().constFirst();
    return checkContentFolder(parsed->folder);
}

// Writes the file whole or not at all; returns why it cannot be written, or an empty text.
QString writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return {};
    }
    return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
}

int runMap(const CommandLine& line) {
    QCoreApplication application(line.argc, line.argv);
    MapArguments parsed;
    const QString problem = parseMapArguments(line, &parsed);
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    StoryContent content(parsed.folder);
    const bool packed = content.pack();
    printDiagnostics(content.packDiagnostics(), stderr);
    if (!packed) {
        return contentError;
    }
    QList<MissingFile> missing = missingFiles(ContentFolder(content.gameFolder()), storyFigures());
    for (MissingFile& file : missing) {
        file.path = content.authorPath(file.path);
    }
    const StoryMap map(storyFigures(), missing, parsed.smallestStep);
    StoryMap::Drawn drawn = map.render(parsed.format, parsed.size);
    if (drawn.problem.isEmpty()) {
        drawn.problem = writeFile(parsed.output, drawn.bytes);
    }
    if (!drawn.problem.isEmpty()) {
        std::fprintf(stderr, "zoa-content map: %s\n", qUtf8Printable(drawn.problem));
        return contentError;
    }
    if (!drawn.fits) {
        std::fprintf(stderr,
                     "zoa-content map: the map does not fit %dx%d pixels with its text 10 pixels "
                     "high; it is drawn larger\n",
                     parsed.size.width(), parsed.size.height());
    }
    return 0;
}

} // namespace

const Command mapCommand = {
    "map", "[FOLDER] [-o FILE.svg|FILE.png] [--size WIDTHxHEIGHT] [--steps PERCENT]",
    "draws the story map of FOLDER's content (default as for check) into FILE (default\n"
    "      story.svg) as the story is told: the opening, a row for each character with its\n"
    "      scenes in order, the answer scenes, the ending and the credits, each with the share\n"
    "      of stories that reach it, missing files in red, and each step an answer takes with\n"
    "      at least PERCENT chance (default 10); a PNG fits WIDTHxHEIGHT pixels when its text\n"
    "      stays 10 pixels high",
    &runMap};

} // namespace content
