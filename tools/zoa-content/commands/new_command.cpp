#include "commands/new_command.h"

#include "commands/exit_status.h"
#include "new_story/new_story.h"

#include <QGuiApplication>

namespace content {

namespace {

int runNew(const CommandLine& line) {
    ArgumentReader reader({}, {});
    QString problem = reader.read(line.arguments);
    if (problem.isEmpty() && reader.names().size() != 1) {
        problem = QStringLiteral("takes one folder");
    }
    const QString folder = problem.isEmpty() ? reader.names().constFirst() : QString();
    if (problem.isEmpty()) {
        problem = refusalOfFolder(folder);
    }
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    // The pictures are drawn with fonts but need no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(line.argc, line.argv);
    const QString failure = writeSources(folder, newStorySources());
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "zoa-content new: %s\n", qUtf8Printable(failure));
        return contentError;
    }
    std::printf("zoa-content new: wrote %s; play it with \"zoa-content play zoa %s --watch\"\n",
                qUtf8Printable(folder), qUtf8Printable(folder));
    return 0;
}

} // namespace

const Command newCommand = {
    "new", "FOLDER",
    "writes the sources of a story that plays at once into FOLDER, which must be new or empty:\n"
    "      README.txt, a UTF-8 script in story/ for every event normal play reaches, a picture\n"
    "      with its name on it in pictures/ for every picture they show, with its description\n"
    "      beside it, the sounds in sounds/",
    &runNew};

} // namespace content
