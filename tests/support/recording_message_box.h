#pragma once

#include "platform/message_box.h"

#include <QStringList>

// Keeps the text of every message box instead of showing it, and traces it as "message <text>".
class RecordingMessageBox : public platform::MessageBox {
public:
    void show(const QString& text) override;
    QStringList texts;
};
