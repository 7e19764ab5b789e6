#pragma once

#include <QString>
#include <QStringList>

namespace content {

struct MapCommand {
    QString folder; // holds dat1/ and dat2/
    QString output = QStringLiteral("story.svg");
    QString format = QStringLiteral("svg"); // "svg" or "png", from the output's name
    double smallestStep = 0.1;              // steps less likely are left out
};

// Reads "[FOLDER] [-o FILE.svg|FILE.png] [--steps PERCENT]" into *command. Returns what is wrong
// with the arguments, or an empty text.
QString parseMapArguments(const QStringList& arguments, const QString& programFolder,
                          MapCommand* command);

// "zoa-content map": draws the story map of the folder's content into the output file. Returns
// the exit status: 0 when the map is written, contentError when it cannot be, usageError for a
// wrong command line.
int runMapCommand(const QStringList& arguments, const QString& programFolder);

} // namespace content
