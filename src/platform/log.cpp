#include "platform/log.h"

Q_LOGGING_CATEGORY(zoaTrace, "zoa.trace", QtInfoMsg)
Q_LOGGING_CATEGORY(zoaContent, "zoa.content")

namespace platform {

void trace(const QString& line) {
    qCDebug(zoaTrace).noquote() << line;
}

void contentWarning(const QString& message) {
    qCWarning(zoaContent).noquote() << message;
}

} // namespace platform
