#include "support/recording_message_box.h"

void RecordingMessageBox::show(const QString& text) {
    texts.append(text);
}
