#pragma once

#include <QList>
#include <QString>

#include <cstdio>

namespace content {

enum class Severity {
    Error,   // breaks play, or the game warns about it while playing
    Warning, // a likely mistake, or a gap that only long plays run into
    Note,    // harmless, worth knowing
};

// The word printed for a severity: "error", "warning" or "note".
QString severityName(Severity severity);

// One finding in a story file, printed the way compilers print theirs so that editors can jump
// to it: "file:line:column: error: message".
struct Diagnostic {
    QString file;
    int line = 0;   // counting from 1; 0 when the finding concerns the whole file
    int column = 0; // characters counting from 1; 0 when the finding concerns the whole line
    QString message;
    Severity severity = Severity::Error;

    QString toString() const;
};

// True when any of the diagnostics is an error.
bool hasErrors(const QList<Diagnostic>& diagnostics);

// Writes each diagnostic on a line of its own, UTF-8.
void printDiagnostics(const QList<Diagnostic>& diagnostics, std::FILE* stream);

} // namespace content
