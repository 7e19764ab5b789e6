#pragma once

#include "checks/diagnostic.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace content {

// A story source as its author wrote it: UTF-8 text whose lines end with LF, CR LF or a lone CR
// (the game itself ends a line at a lone CR). A final line end adds no empty line after it, and
// a byte order mark at the start is dropped. A source saved as UTF-16 or Shift-JIS is read as
// such, with a note; one in no encoding known gives one error, at its first byte that is not
// UTF-8.
struct ScriptSource {
    QStringList lines;
    QList<Diagnostic> diagnostics; // one at most
};

ScriptSource readScriptSource(const QString& file, QByteArrayView bytes);

// The byte offset of the first byte that does not belong to well-formed UTF-8, or -1.
qsizetype firstInvalidUtf8(QByteArrayView bytes);

// The 1-based column, in characters (a pair of surrogates counts once), of index in line.
int columnOf(QStringView line, qsizetype index);

} // namespace content
