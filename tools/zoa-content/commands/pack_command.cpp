#include "commands/pack_command.h"

#include "commands/exit_status.h"
#include "pack/pack.h"

#include <QCoreApplication>

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
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    const QString sources = reader.names().at(0);
    const PackResult result =
        output.isNull() ? packFolder(sources, reader.names().at(1)) : packStory(sources, output);
    printDiagnostics(result.diagnostics, stderr);
    return hasErrors(result.diagnostics) ? contentError : 0;
}

} // namespace

const Command packCommand = {
    "pack", "SOURCES -o FOLDER",
    "packs the story in SOURCES and its subfolders into the game folder FOLDER: each UTF-8\n"
    "      script NAME.txt to FOLDER/dat1/NAME.txt (code page 932, CR LF line ends), each\n"
    "      picture (PNG, JPEG, BMP, WebP, GIF, ...) to FOLDER/dat2/NAME.bmp and each sound\n"
    "      (WAV, Ogg Vorbis, FLAC) to FOLDER/dat2/NAME.wav; README files are skipped, other\n"
    "      files noted and skipped; on any error nothing is written. \"pack SOURCES DAT1\"\n"
    "      packs only the scripts directly in SOURCES, into DAT1",
    &runPack};

} // namespace content
