#include "commands/command_line.h"

#include "commands/exit_status.h"

#include <QDir>
#include <QFileInfo>

namespace content {

int CommandLine::wrongUsage(const QString& problem) const {
    std::fprintf(stderr, "zoa-content %s: %s\nusage: zoa-content %s %s\n", command.name,
                 qUtf8Printable(problem), command.name, command.arguments);
    return usageError;
}

void printUsage(const Command& command, std::FILE* stream) {
    std::fprintf(stream, "usage: zoa-content %s %s\n      %s\n", command.name, command.arguments,
                 command.summary);
}

QString ArgumentReader::read(const QStringList& arguments) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            names_.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (flags_.contains(argument)) {
            given_.insert(argument, QStringLiteral("yes"));
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        if (!options_.contains(name)) {
            return QStringLiteral("unknown option \"%1\"").arg(argument);
        }
        if (equals >= 0) {
            given_.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size()) {
            given_.insert(name, arguments.at(++i));
        } else {
            return QStringLiteral("%1 needs a value").arg(name);
        }
    }
    return {};
}

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

QString numberOption(const ArgumentReader& reader, const QString& option, qulonglong maximum,
                     qulonglong* value) {
    const QString text = reader.value(option);
    if (text.isNull() || parseNumber(text, maximum, value)) {
        return {};
    }
    return QStringLiteral("%1 takes a whole number from 0 to %2, not \"%3\"")
        .arg(option)
        .arg(maximum)
        .arg(text);
}

QString defaultContentFolder(const QString& programFolder) {
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/../lib/zoa"));
    if (QFileInfo(installed + QStringLiteral("/dat1")).isDir()) {
        return installed;
    }
    return programFolder;
}

QString folderProblem(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        return QStringLiteral("no such folder \"%1\"").arg(folder);
    }
    return info.isDir() ? QString() : QStringLiteral("\"%1\" is a file, not a folder").arg(folder);
}

QString checkContentFolder(const QString& folder) {
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty() || !QFileInfo(QDir(folder).filePath(QStringLiteral("dat1"))).isDir() ||
        QFileInfo(QDir(folder).filePath(QStringLiteral("dat2"))).isDir()) {
        return problem;
    }
    return QStringLiteral("\"%1\" holds dat1/ but no dat2/ folder").arg(folder);
}

} // namespace content
