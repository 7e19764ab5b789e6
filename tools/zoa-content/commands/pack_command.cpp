#include "commands/pack_command.h"

#include "commands/exit_status.h"
#include "pack/script_pack.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace content {

namespace {

int runPack(const CommandLine& line) {
    QCoreApplication application(line.argc, line.argv);
    ArgumentReader reader({}, {QStringLiteral("-o"), QStringLiteral("--output")});
    QString problem = reader.read(line.arguments);
    QString output = reader.value(QStringLiteral("-o"));
    if (output.isNull()) {
        output = reader.value(QStringLiteral("--output"));
    }
    const qsizetype names = output.isNull() ? 2 : 1;
    if (problem.isEmpty() && reader.names().size() != names) {
        problem = output.isNull() ? QStringLiteral("takes a sources folder and -o FOLDER")
                                  : QStringLiteral("takes one sources folder with -o");
    }
    const QString sources = problem.isEmpty() ? reader.names().at(0) : QString();
    const QString target = output.isNull() && problem.isEmpty() ? reader.names().at(1) : output;
    for (const QString& folder : {sources, target}) {
        if (problem.isEmpty() && (folder == sources || QFileInfo::exists(folder))) {
            problem = folderProblem(folder);
        }
    }
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    PackResult result = output.isNull() ? packFolder(sources, target) : packStory(sources, target);
    if (!output.isNull() && !hasErrors(result.diagnostics)) {
        result.diagnostics += strayDescriptions(result);
    }
    printDiagnostics(result.diagnostics, stderr);
    return hasErrors(result.diagnostics) ? contentError : 0;
}

} // namespace

const Command packCommand = {
    "pack", "SOURCES -o FOLDER",
    "packs the story in SOURCES and its subfolders into the game folder FOLDER: each UTF-8\n"
    "      script NAME.txt to FOLDER/dat1/NAME.txt (code page 932, CR LF line ends), each\n"
    "      picture (PNG, JPEG, BMP, WebP, GIF, ...) to FOLDER/dat2/NAME.bmp, its description\n"
    "      NAME.description (UTF-8 text) as it is to FOLDER/dat2/NAME.description and each\n"
    "      sound (WAV, Ogg Vorbis, FLAC) to FOLDER/dat2/NAME.wav; README files are skipped,\n"
    "      other files noted and skipped; on any error nothing is written.\n"
    "      \"pack SOURCES DAT1\" packs only the scripts directly in SOURCES, into DAT1",
    &runPack};

} // namespace content
