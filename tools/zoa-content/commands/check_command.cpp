#include "commands/check_command.h"

#include "checks/check.h"
#include "checks/game_windows.h"
#include "checks/json_output.h"
#include "commands/exit_status.h"
#include "figures/story_figures.h"
#include "media/sdl_media_service.h"
#include "pack/story_content.h"

#include <QApplication>

namespace content {

namespace {

constexpr qulonglong maxPlays = 100000000;
constexpr qulonglong maxSeed = 0xFFFFFFFFu;

struct CheckArguments {
    QString folder;
    CheckOptions options;
    bool json = false;
};

// Returns an empty text, or what is wrong with the arguments.
QString parseCheckArguments(const CommandLine& line, CheckArguments* parsed) {
    ArgumentReader reader({QStringLiteral("--json")},
                          {QStringLiteral("--plays"), QStringLiteral("--seed")});
    const QString problem = reader.read(line.arguments);
    if (!problem.isEmpty()) {
        return problem;
    }
    parsed->json = reader.has(QStringLiteral("--json"));
    qulonglong plays = static_cast<qulonglong>(parsed->options.plays);
    qulonglong seed = parsed->options.seed;
    for (const QString& wrong : {numberOption(reader, QStringLiteral("--plays"), maxPlays, &plays),
                                 numberOption(reader, QStringLiteral("--seed"), maxSeed, &seed)}) {
        if (!wrong.isEmpty()) {
            return wrong;
        }
    }
    parsed->options.plays = static_cast<int>(plays);
    parsed->options.seed = static_cast<std::uint32_t>(seed);
    if (reader.names().size() > 1) {
        return QStringLiteral("more than one folder given");
    }
    parsed->folder = reader.names().isEmpty() ? defaultContentFolder(line.programFolder)
                                              : reader.names().constFirst();
    return checkContentFolder(parsed->folder);
}

int runCheck(const CommandLine& line) {
    // The sounds are loaded on SDL's dummy device, whatever the environment asks for: checking
    // them needs no sound card and plays nothing. The game's window is laid out, never shown.
    qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(line.argc, line.argv);
    CheckArguments parsed;
    const QString problem = parseCheckArguments(line, &parsed);
    if (!problem.isEmpty()) {
        return line.wrongUsage(problem);
    }
    media::SdlMediaService sounds(media::SdlMediaService::defaultMaxEffectBytes, "dummy");
    const GameWindows windows;
    parsed.options.windows = &windows;
    StoryContent content(parsed.folder);
    const bool packed = content.pack();
    const QList<Diagnostic> diagnostics = checkStory(content, parsed.options, &sounds);
    const SeverityCounts counts = countSeverities(diagnostics);
    if (parsed.json) {
        std::fputs(diagnosticsToJson(diagnostics).constData(), stdout);
    } else {
        printDiagnostics(diagnostics, stdout);
        if (packed) {
            std::printf("%s\n", qUtf8Printable(storyLengthLine(storyFigures())));
        }
        std::printf("%s\n", qUtf8Printable(summaryLine(counts)));
    }
    return counts.errors > 0 ? contentError : 0;
}

} // namespace

const Command checkCommand = {
    "check", "[FOLDER] [--json] [--plays N] [--seed S]",
    "checks the scripts, pictures and sounds in FOLDER/dat1 and FOLDER/dat2 (default: the\n"
    "      installed game's folder), or the story packed from a sources folder, for what\n"
    "      breaks a play or may; --json prints the findings\n"
    "      as JSON, --plays N simulates N stories as well to cross-check the shares of stories\n"
    "      that reach long-play events, --seed S seeds that simulation (default 1)",
    &runCheck};

} // namespace content
