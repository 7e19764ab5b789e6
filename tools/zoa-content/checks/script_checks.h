#pragma once

#include "checks/content_folder.h"
#include "checks/diagnostic.h"
#include "checks/text_fit.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace content {

struct ScriptReport {
    QList<Diagnostic> diagnostics;
    QStringList pictures; // every existing picture file that a picture line names
};

// Checks every script (*.txt) in dat1/, in name order, read line by line as the game reads it:
// its encoding, the lines as playback meets them (picture lines and their pictures, lines typed
// as text that look meant otherwise) and its choice block. An event's name is its file's name
// without ".txt".
// Given a text fit, lines typed and captions that do not fit where the game shows them are told
// too.
ScriptReport checkScripts(const ContentFolder& folder, const TextFit* fit = nullptr);

} // namespace content
