#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the trace lines ("zoa.trace") and content warnings ("zoa.content") while it lives.
class TraceRecorder {
public:
    TraceRecorder();
    ~TraceRecorder();
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;

    QStringList lines;    // trace lines and warnings ("warning: <text>"), in order
    QStringList warnings; // content warnings alone

    // The trace lines that start with one of the given words.
    QStringList linesStartingWith(const QStringList& words) const;
    void clear();

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
    QtMessageHandler previous_;
};
