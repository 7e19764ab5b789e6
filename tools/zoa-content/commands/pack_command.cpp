#include "commands/pack_command.h"

#include "commands/exit_status.h"
#include "commands/pack.h"

#include <QCoreApplication>

namespace content {

namespace {

int runPack(const CommandLine& line) {
    QCoreApplication application(line.argc, line.argv);
    ArgumentReader reader({}, {});
    QString problem = reader.read(line.arguments);
    if (problem.isEmpty() && reader.names().size() != 2) {
        problem = QStringLiteral("takes a sources folder and an output folder");
    }
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    const PackResult result = packFolder(reader.names().at(0), reader.names().at(1));
    printDiagnostics(result.diagnostics, stderr);
    return hasErrors(result.diagnostics) ? contentError : 0;
}

} // namespace

const Command packCommand = {
    "pack", "<sources> <folder>",
    "writes each UTF-8 script of <sources> to <folder> as code page 932 with CR LF line ends",
    &runPack};

} // namespace content
