#pragma once

#include <QLoggingCategory>
#include <QString>

// "zoa.trace": one debug line per step of play, off unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(zoaTrace)
// "zoa.content": warnings about story content (missing or malformed files), on by default.
Q_DECLARE_LOGGING_CATEGORY(zoaContent)

namespace platform {

inline bool traceEnabled() {
    return zoaTrace().isDebugEnabled();
}
void trace(const QString& line);
void contentWarning(const QString& message);

} // namespace platform
