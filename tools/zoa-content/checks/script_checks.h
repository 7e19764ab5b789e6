#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace content {

struct ScriptReport {
    QList<Diagnostic> diagnostics;
    QStringList pictures; // every existing picture file that a picture line names
};

// Checks one script, read line by line as the game reads it: its bytes, its picture lines as
// playback meets them, and its choice block. The event's name is the file's name without ".txt".
ScriptReport checkScript(const ContentFolder& folder, const QString& event);

// Checks every script (*.txt) in dat1/, in name order.
ScriptReport checkScripts(const ContentFolder& folder);

} // namespace content
