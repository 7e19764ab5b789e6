#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace content {

struct CommandLine;

// A command of zoa-content: defined in a file of its own, with its usage written there and nowhere
// else, and listed in main.cpp's table. Every command takes --help (main.cpp prints its usage).
struct Command {
    const char* name;
    const char* arguments; // what follows the name: "[FOLDER] [--json] ..."
    const char* summary;   // what it does, its lines after the first indented by six blanks
    // Makes the application the command needs and runs it; returns the exit status.
    int (*run)(const CommandLine& line);
};

// What a command runs with.
struct CommandLine {
    const Command& command;
    QStringList arguments; // after the command's name
    QString programFolder; // where zoa-content's program file is
    int& argc;             // the program's own, for the command's application
    char** argv;

    // Prints "zoa-content NAME: problem" and the command's usage line to standard error; returns
    // usageError.
    int wrongUsage(const QString& problem) const;
};

// "usage: zoa-content NAME ARGUMENTS", then the summary.
void printUsage(const Command& command, std::FILE* stream);

// What the commands share in reading their arguments.

// Reads a command's arguments: names that are not options (a lone "-" is one, and so is every
// argument after "--"), flags, and options that take a value, written "--name value" or
// "--name=value".
class ArgumentReader {
public:
    ArgumentReader(QStringList flags, QStringList options)
        : flags_(std::move(flags))
        , options_(std::move(options)) {}

    // Returns what is wrong with the arguments, or an empty text.
    QString read(const QStringList& arguments);

    const QStringList& names() const { return names_; }
    bool has(const QString& flag) const { return given_.contains(flag); }
    // The value given to an option; a null text when the option was not given.
    QString value(const QString& option) const { return given_.value(option); }

private:
    QStringList flags_;
    QStringList options_;
    QStringList names_;
    QHash<QString, QString> given_;
};

// Plain decimal digits only, no sign or blanks, up to the given maximum.
bool parseNumber(const QString& text, qulonglong maximum, qulonglong* value);

// The whole number given to an option, into *value (left as it is when the option is not
// given). Returns what is wrong with it, or an empty text.
QString numberOption(const ArgumentReader& reader, const QString& option, qulonglong maximum,
                     qulonglong* value);

// The content folder used when none is named: the installed game's (<program folder>/../lib/zoa)
// when it holds dat1/, otherwise the program's own folder, where the build puts the content.
QString defaultContentFolder(const QString& programFolder);

// What keeps the path from being a folder: "no such folder" or "is a file, not a folder"; an
// empty text for a folder. Every command says it so of the folders it is given.
QString folderProblem(const QString& folder);

// What keeps the folder from being content a command runs on: folderProblem, or, for a game
// folder (one that holds dat1/), a missing dat2/; an empty text for a game or sources folder.
QString checkContentFolder(const QString& folder);

} // namespace content
