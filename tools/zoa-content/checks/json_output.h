#pragma once

#include "checks/diagnostic.h"

#include <QByteArray>
#include <QList>

namespace content {

// The findings as a JSON array of objects {"file", "line", "severity", "message"}; "line" is
// left out for a finding about a whole file, "column" is given only where one is known.
QByteArray diagnosticsToJson(const QList<Diagnostic>& diagnostics);

} // namespace content
