#include "support/trace_recorder.h"

#include <QLoggingCategory>

namespace {
TraceRecorder* current = nullptr;
}

TraceRecorder::TraceRecorder() {
    current = this;
    QLoggingCategory::setFilterRules(QStringLiteral("zoa.trace.debug=true"));
    previous_ = qInstallMessageHandler(&TraceRecorder::handler);
}

TraceRecorder::~TraceRecorder() {
    qInstallMessageHandler(previous_);
    QLoggingCategory::setFilterRules(QString());
    current = nullptr;
}

void TraceRecorder::handler(QtMsgType type, const QMessageLogContext& context,
                            const QString& text) {
    const QLatin1String category(context.category ? context.category : "");
    if (current && category == QLatin1String("zoa.trace")) {
        current->lines.append(text);
    } else if (current && category == QLatin1String("zoa.content")) {
        current->warnings.append(text);
        current->lines.append(QStringLiteral("warning: ") + text);
    } else if (current && current->previous_) {
        current->previous_(type, context, text);
    }
}
