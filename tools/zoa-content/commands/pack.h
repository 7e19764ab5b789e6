#pragma once

#include "checks/diagnostic.h"

#include <QByteArray>
#include <QStringList>

namespace content {

// A script as the game reads it: code page 932, every line ended by CR LF. The JIS forms that
// input methods type for seven characters code page 932 spells otherwise (the wave dash U+301C,
// the double vertical line U+2016, the minus sign U+2212, the cent, pound and not signs U+00A2,
// U+00A3 and U+00AC, and the em dash U+2014) are written as their code page 932 stand-ins.
struct PackedScript {
    QByteArray bytes;
    // An error for every character code page 932 cannot hold, and a note for the first place
    // of each character written as a stand-in.
    QList<Diagnostic> diagnostics;
};

PackedScript packScript(const QString& file, const QStringList& lines);

struct PackResult {
    QList<Diagnostic> diagnostics; // without errors when every script was written
    QStringList written;           // the files written, in name order
};

// Packs every "*.txt" source in the sources folder into a file of the same name in the output
// folder, which is made when missing. Every source is checked before anything is written, so a
// single error leaves the output folder untouched; each file is replaced through a temporary
// file, so a reader never sees half of one.
PackResult packFolder(const QString& sources, const QString& folder);

} // namespace content
