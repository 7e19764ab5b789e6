#include "platform/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace platform {

void QtMessageBox::show(const QString& text) {
    // On the offscreen platform nobody could ever press OK: print the text instead of waiting.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        return;
    }
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace platform
