#pragma once

#include "diagnostic.h"

#include <QByteArray>
#include <QStringList>

namespace content {

// A script as the game reads it: code page 932, every line ended by CR LF.
struct PackedScript {
    QByteArray bytes;
    QList<Diagnostic> diagnostics; // every character code page 932 cannot hold
};

PackedScript packScript(const QString& file, const QStringList& lines);

struct PackResult {
    QList<Diagnostic> diagnostics; // empty when every script was written
    QStringList written;           // the files written, in name order
};

// Packs every "*.txt" source in the sources folder into a file of the same name in the output
// folder, which is made when missing. Every source is checked before anything is written, so a
// single error leaves the output folder untouched; each file is replaced through a temporary
// file, so a reader never sees half of one.
PackResult packFolder(const QString& sources, const QString& folder);

} // namespace content
