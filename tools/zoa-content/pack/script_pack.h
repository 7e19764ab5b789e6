#pragma once

#include "checks/diagnostic.h"
#include "pack/story_pack.h"

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

// Reads a script source and packs it, adding what it finds to the diagnostics.
QByteArray packScriptFile(const QString& path, QList<Diagnostic>& diagnostics);

// Packs every "*.txt" source in the sources folder into a file of the same name in the output
// folder, which is made when missing. Every source is read before anything is written, and the
// files are written all at once, so any error leaves the output folder as it was.
PackResult packFolder(const QString& sources, const QString& folder);

} // namespace content
