#include "check_command.h"

#include "exit_status.h"
#include "json_output.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace content {

namespace {

constexpr qulonglong maxPlays = 100000000;
constexpr qulonglong maxSeed = 0xFFFFFFFFu;

// Plain decimal digits only, no sign or blanks, up to the given maximum.
bool parseNumber(const QString& text, qulonglong maximum, qulonglong* value) {
    if (text.isEmpty() || text.size() > 10) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    *value = text.toULongLong();
    return *value <= maximum;
}

// Splits "--name=value" into its two parts; a bare "--name" takes the next argument as value.
struct Option {
    QString name;
    QString value;
    bool inlineValue = false;
};

Option splitOption(const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0) {
        return {argument, {}, false};
    }
    return {argument.left(equals), argument.mid(equals + 1), true};
}

QString checkFolder(const QString& folder) {
    for (const QString& sub : {QStringLiteral("dat1"), QStringLiteral("dat2")}) {
        if (!QFileInfo(QDir(folder).filePath(sub)).isDir()) {
            return QStringLiteral("%1 holds no %2/ folder").arg(folder, sub);
        }
    }
    return {};
}

void printCheckUsage(std::FILE* stream) {
    std::fprintf(stream, "usage: zoa-content check [FOLDER] [--json] [--plays N] [--seed S]\n");
}

} // namespace

QString defaultContentFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../lib/zoa"));
    if (QFileInfo(installed + QStringLiteral("/dat1")).isDir()) {
        return installed;
    }
    return programFolder;
}

QString parseCheckArguments(const QStringList& arguments, const QString& programFolder,
                            CheckCommand* command) {
    QStringList folders;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            folders.append(argument);
            continue;
        }
        Option option = splitOption(argument);
        if (option.name == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (option.name == QLatin1String("--json") && !option.inlineValue) {
            command->json = true;
            continue;
        }
        if ((option.name == QLatin1String("--help") || option.name == QLatin1String("-h")) &&
            !option.inlineValue) {
            command->help = true;
            continue;
        }
        const bool plays = option.name == QLatin1String("--plays");
        if (!plays && option.name != QLatin1String("--seed")) {
            return QStringLiteral("unknown option \"%1\"").arg(argument);
        }
        if (!option.inlineValue) {
            if (i + 1 == arguments.size()) {
                return QStringLiteral("%1 needs a number").arg(option.name);
            }
            option.value = arguments.at(++i);
        }
        qulonglong value = 0;
        if (!parseNumber(option.value, plays ? maxPlays : maxSeed, &value)) {
            return QStringLiteral("%1 takes a whole number from 0 to %2, not \"%3\"")
                .arg(option.name)
                .arg(plays ? maxPlays : maxSeed)
                .arg(option.value);
        }
        if (plays) {
            command->options.plays = static_cast<int>(value);
        } else {
            command->options.seed = static_cast<std::uint32_t>(value);
        }
    }
    if (folders.size() > 1) {
        return QStringLiteral("more than one folder given");
    }
    command->options.folder =
        folders.isEmpty() ? defaultContentFolder(programFolder) : folders.constFirst();
    return command->help ? QString() : checkFolder(command->options.folder);
}

int runCheckCommand(const QStringList& arguments, const QString& programFolder) {
    CheckCommand command;
    const QString problem = parseCheckArguments(arguments, programFolder, &command);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "zoa-content check: %s\n", qUtf8Printable(problem));
        printCheckUsage(stderr);
        return usageError;
    }
    if (command.help) {
        printCheckUsage(stdout);
        return 0;
    }
    const QList<Diagnostic> diagnostics = checkContent(command.options);
    const SeverityCounts counts = countSeverities(diagnostics);
    if (command.json) {
        std::fputs(diagnosticsToJson(diagnostics).constData(), stdout);
    } else {
        printDiagnostics(diagnostics, stdout);
        std::printf("%s\n", qUtf8Printable(summaryLine(counts)));
    }
    return counts.errors > 0 ? contentError : 0;
}

} // namespace content
