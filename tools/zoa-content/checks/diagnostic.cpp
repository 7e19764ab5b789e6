#include "checks/diagnostic.h"

#include <algorithm>

namespace content {

QString severityName(Severity severity) {
    switch (severity) {
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Note:
        return QStringLiteral("note");
    case Severity::Error:
        break;
    }
    return QStringLiteral("error");
}

QString Diagnostic::toString() const {
    QString where = file;
    if (line > 0) {
        where += QLatin1Char(':') + QString::number(line);
        if (column > 0) {
            where += QLatin1Char(':') + QString::number(column);
        }
    }
    return where + QStringLiteral(": ") + severityName(severity) + QStringLiteral(": ") + message;
}

bool hasErrors(const QList<Diagnostic>& diagnostics) {
    return std::any_of(diagnostics.cbegin(), diagnostics.cend(), [](const Diagnostic& diagnostic) {
        return diagnostic.severity == Severity::Error;
    });
}

void printDiagnostics(const QList<Diagnostic>& diagnostics, std::FILE* stream) {
    for (const Diagnostic& diagnostic : diagnostics) {
        std::fprintf(stream, "%s\n", diagnostic.toString().toUtf8().constData());
    }
}

} // namespace content
