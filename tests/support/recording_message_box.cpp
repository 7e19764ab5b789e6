#include "support/recording_message_box.h"

#include "host/log.h"

void RecordingMessageBox::show(const QString& text) {
    texts.append(text);
    host::trace(QStringLiteral("message ") + text);
}
