#include "platform/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace platform {

std::unique_ptr<QMessageBox> makeMessageBox(const QString& text, QWidget* owner) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon,
                                             QGuiApplication::applicationDisplayName(), shown,
                                             QMessageBox::Ok, owner);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void QtMessageBox::show(const QString& text) {
    // On the offscreen platform nobody could ever see the box or press OK: it is not shown.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        return;
    }
    makeMessageBox(text, owner_)->exec();
}

} // namespace platform
