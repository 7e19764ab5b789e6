#pragma once

#include <QList>
#include <QString>

#include <cstdio>

namespace content {

// One error found in a story file, printed the way compilers print theirs so that editors can
// jump to it: "file:line:column: error: message".
struct Diagnostic {
    QString file;
    int line = 0;   // counting from 1; 0 when the error concerns the whole file
    int column = 0; // characters counting from 1; 0 when the error concerns the whole line
    QString message;

    QString toString() const;
};

// Writes each diagnostic on a line of its own, UTF-8.
void printDiagnostics(const QList<Diagnostic>& diagnostics, std::FILE* stream);

} // namespace content
