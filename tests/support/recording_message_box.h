#pragma once

#include "controls/message_box.h"

#include <QStringList>

// Keeps the text of every message box instead of showing it, and traces it as "message <text>".
class RecordingMessageBox : public controls::MessageBox {
public:
    void show(const QString& text) override;
    QStringList texts;
};
