#pragma once

#include <QLoggingCategory>
#include <QString>

// "zoa.trace": one debug line per step of play, off unless enabled with QT_LOGGING_RULES.
Q_DECLARE_LOGGING_CATEGORY(zoaTrace)
// "zoa.content": warnings about story content (missing or malformed files), on by default.
Q_DECLARE_LOGGING_CATEGORY(zoaContent)

namespace host {

inline bool traceEnabled() {
    return zoaTrace().isDebugEnabled();
}
void trace(const QString& line);
void contentWarning(const QString& message);

// A place kept in the log for the lines of a step whose outcome comes later (a media command
// held until the sound device starts): whatever is logged after it waits behind it, so that
// the log keeps the order of the steps. For the user-interface thread only.
class LogPlace {
public:
    LogPlace(); // after everything logged so far
    void trace(const QString& line) const;
    void contentWarning(const QString& message) const;
    // The place is complete: its lines, and those waiting behind it, are written.
    void close() const;

private:
    quint64 id_;
};

} // namespace host
