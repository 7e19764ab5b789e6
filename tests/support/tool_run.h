#pragma once

#include <QString>
#include <QStringList>

// One run of a command-line program to its end.
struct ToolRun {
    int exitCode = -1; // -1 when it crashed or did not finish within two minutes
    QString out;
    QString err;
};

// Runs the program with the arguments; with noWindows, no window platform can load; with a
// fileSizeLimit, writing a file beyond that many bytes fails (as on a full disk).
ToolRun runTool(const QString& program, const QStringList& arguments, bool noWindows = false,
                long fileSizeLimit = 0);
