#pragma once

#include "checks/check.h"

#include <QString>
#include <QStringList>

namespace content {

struct CheckCommand {
    CheckOptions options;
    bool json = false;
    bool help = false;
};

// Reads "[FOLDER] [--json] [--plays N] [--seed S]" into *command. Returns an empty text, or what
// is wrong with the arguments.
QString parseCheckArguments(const QStringList& arguments, const QString& programFolder,
                            CheckCommand* command);

// "zoa-content check": prints the findings (or their JSON) to standard output and returns the
// exit status: 0 without errors, contentError with errors, usageError for a wrong command line.
int runCheckCommand(const QStringList& arguments, const QString& programFolder);

} // namespace content
