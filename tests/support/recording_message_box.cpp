#include "support/recording_message_box.h"

#include "platform/log.h"

void RecordingMessageBox::show(const QString& text) {
    texts.append(text);
    platform::trace(QStringLiteral("message ") + text);
}
