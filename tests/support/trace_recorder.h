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

private:
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
    QtMessageHandler previous_;
};
